#include "core/color_adjust.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <vector>

#include "core/le_bytes.h"
#include "platform/byte_reader.h"

namespace zorvane {
namespace {

// Each formula is evaluated in extended precision and rounded once when stored.
using Ext = long double;
double Store(Ext x) { return static_cast<double>(x); }

// trunc(x * 255) of the exact product, never rounded. The product of the 53-bit mantissa
// and 255 fits in 61 bits, so integer arithmetic gives it exactly (and avoids switching
// the floating-point unit's rounding mode for each channel).
int Channel(double x) {
    if (!(x > 0)) return 0;
    if (x >= 1) return 255;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const int exponent = static_cast<int>(bits >> 52);  // x > 0: no sign bit
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (exponent ? std::uint64_t{1} << 52 : 0);
    const int shift = 1075 - std::max(exponent, 1);  // x = mantissa * 2^-shift
    return shift >= 64 ? 0 : static_cast<int>((mantissa * 255) >> shift);
}

double Clamp01(double x) {
    if (std::isnan(x)) return 0;
    if (x > 1) x = 1;
    if (x < 0) x = 0;
    return x;
}

// Repeated steps of 360, each rounded to double, as the hue is brought into range. Far
// from the range the first steps are taken at once: below 2^55 every step is exact, so
// the jump gives the same value the single steps would.
double LowerHue(double h) {
    if (h > 359 + 720 && h < 0x1p55) {
        const Ext steps = std::floor((Ext(h) - 359) / 360) - 1;
        h = Store(Ext(h) - steps * 360);
    }
    while (h > 359) h = Store(Ext(h) - 360);
    return h;
}
double RaiseHue(double h) {
    if (h < -720 && h > -0x1p55) {
        const Ext steps = std::floor(-Ext(h) / 360) - 1;
        h = Store(Ext(h) + steps * 360);
    }
    while (h < 0) h = Store(Ext(h) + 360);
    return h;
}

double WrapHue(double h) {
    if (!std::isfinite(h) || std::fabs(h) >= 0x1p55) h = std::isfinite(h) ? std::fmod(h, 360.0) : 0;
    return RaiseHue(LowerHue(h));
}

// V for each possible largest channel, as the formula stores it.
const std::array<double, 256>& ValueTable() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) t[i] = Store(Ext(i) / 255);
        return t;
    }();
    return table;
}

// A quotient of integers whose divisor is at most 255 has no run of more than 7 equal bits
// in its binary expansion (unless it terminates), so rounding it first to the extended
// format and then to double gives the same double as one rounding: plain double division
// is exact to the contract here and much faster. For the same reason, the hue's "+ 2" and
// "+ 4" are folded into the dividend, and the products and the sum with 360 below are
// exact in the extended format before their single rounding.
double IntQuotient(int dividend, int divisor) { return static_cast<double>(dividend) / divisor; }

THSVColor ToHSV(int r, int g, int b) {
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    const int delta = mx - mn;
    THSVColor c;
    c.S = mx != 0 ? IntQuotient(delta, mx) : 0.0;
    c.V = ValueTable()[static_cast<std::size_t>(mx)];
    if (c.S == 0) return c;
    if (mx == r)
        c.H = IntQuotient(g - b, delta);
    else if (mx == g)
        c.H = IntQuotient(b - r + 2 * delta, delta);
    else
        c.H = IntQuotient(r - g + 4 * delta, delta);
    c.H = c.H * 60;
    if (c.H < 0) c.H = c.H + 360;
    return c;
}

// H / 60 for a stored H: dividing a 53-bit mantissa by 15 repeats a 4-bit pattern, so the
// extended quotient never sits on a double's rounding midpoint and one rounding equals
// two. Subnormal quotients keep the extended path.
double SixthOfHue(double H) { return H >= 0x1p-1000 ? H / 60 : Store(Ext(H) / 60); }

PackedColor Pack(int r, int g, int b, std::uint8_t a) {
    return static_cast<PackedColor>(b) | (static_cast<PackedColor>(g) << 8) | (static_cast<PackedColor>(r) << 16) |
           (static_cast<PackedColor>(a) << 24);
}

HueFreeColor WithoutHue(double saturation, double value, std::uint8_t a) {
    HueFreeColor c;
    c.S = Clamp01(saturation);
    c.V = Clamp01(value);
    c.A = a;
    c.top = static_cast<std::uint8_t>(Channel(c.V));
    if (c.S != 0) c.floor = static_cast<std::uint8_t>(Channel(Store((1 - Ext(c.S)) * c.V)));
    return c;
}

// The colour at a hue already in range. Each sixth of the circle rises or falls along one
// ramp between the floor and V, so only that ramp is formed.
PackedColor WithHue(const HueFreeColor& c, double H) {
    if (c.S == 0) return Pack(c.top, c.top, c.top, c.A);
    const double h = SixthOfHue(H);
    const int i = static_cast<int>(h);
    const double f = Store(Ext(h) - i);
    const int sector = i % 6;  // a hue that rounded up to 360 is 0
    const bool falling = sector != 0 && sector != 2 && sector != 4;
    const int ramp = Channel(falling ? Store((1 - Ext(c.S) * f) * c.V) : Store((1 - (1 - Ext(f)) * c.S) * c.V));
    const int v = c.top, p = c.floor;
    switch (sector) {
    case 0: return Pack(v, ramp, p, c.A);
    case 1: return Pack(ramp, v, p, c.A);
    case 2: return Pack(p, v, ramp, c.A);
    case 3: return Pack(p, ramp, v, c.A);
    case 4: return Pack(ramp, p, v, c.A);
    default: return Pack(v, p, ramp, c.A);
    }
}

// The three offsets with the saturation and value quotients formed once; they are added
// unrounded, exactly as the single formula adds them.
class ColorAdjuster {
public:
    ColorAdjuster(int hue, int saturation, int value)
        : hue_(hue), saturation_(Ext(saturation) / 100), value_(Ext(value) / 100) {}

    PackedColor operator()(PackedColor color) const {
        THSVColor c = ToHSV((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
        c.H = Store(Ext(hue_) + c.H);
        c.S = Store(saturation_ + c.S);
        c.V = Store(value_ + c.V);
        c.A = static_cast<std::uint8_t>(color >> 24);
        return HSVToRGB(c);
    }

private:
    int hue_;
    Ext saturation_;
    Ext value_;
};

// Icons repeat colours a lot; a small direct-mapped memo of recent conversions skips the
// arithmetic for each repeat.
class MemoAdjuster {
public:
    MemoAdjuster(int hue, int saturation, int value) : adjust_(hue, saturation, value), slots_(kSlots) {}

    PackedColor operator()(PackedColor color) {
        Slot& s = slots_[(color * 2654435761u) >> (32 - kBits)];
        if (!s.used || s.key != color) s = {color, adjust_(color), true};
        return s.value;
    }

private:
    static constexpr int kBits = 12;
    static constexpr std::size_t kSlots = std::size_t{1} << kBits;
    struct Slot {
        PackedColor key = 0;
        PackedColor value = 0;
        bool used = false;
    };
    ColorAdjuster adjust_;
    std::vector<Slot> slots_;
};

void AdjustTable(std::span<std::uint8_t> image, int bitCount, int hue, int saturation, int value) {
    const std::uint64_t entries = std::uint64_t{1} << bitCount;
    const ByteReader reader(image);
    reader.bytes(40, entries * 4);
    if (IsNoAdjustment(hue, saturation, value)) return;
    const ColorAdjuster adjust(hue, saturation, value);
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint64_t off = 40 + 4 * i;
        PutU32le(image.data() + off, adjust(reader.u32le(off)));
    }
}

// Raises ReadError when the data end before the pixels do.
void CheckPixelData(std::span<const std::uint8_t> image, const PixelLayout& layout) {
    const std::size_t rowBytes = Bitmap::RowBytesFor(layout.width, layout.bitCount);
    ByteReader(image).bytes(40, rowBytes * static_cast<std::size_t>(layout.height));
}

// The pixels of a 24- or 32-bit image in the order stored, after the bounds check.
template <typename Byte, typename Visit>
void ForEachPixel(std::span<Byte> image, const PixelLayout& layout, Visit visit) {
    CheckPixelData(image, layout);
    const std::size_t rowBytes = Bitmap::RowBytesFor(layout.width, layout.bitCount);
    const int step = layout.bitCount / 8;
    for (int y = 0; y < layout.height; ++y) {
        Byte* p = image.data() + 40 + rowBytes * static_cast<std::size_t>(y);
        for (int x = 0; x < layout.width; ++x, p += step) visit(p, step);
    }
}

// 24-bit pixels have no fourth byte; 32-bit ones keep theirs.
PackedColor PixelColor(const std::uint8_t* p, int step) { return Pack(p[2], p[1], p[0], step == 4 ? p[3] : 0); }
void PutPixel(std::uint8_t* p, int step, PackedColor c) {
    for (int i = 0; i < step; ++i) p[i] = static_cast<std::uint8_t>(c >> (8 * i));
}

void AdjustPixels(std::span<std::uint8_t> image, const PixelLayout& layout, int hue, int saturation, int value) {
    if (IsNoAdjustment(hue, saturation, value)) {
        CheckPixelData(image, layout);
        return;
    }
    MemoAdjuster adjust(hue, saturation, value);
    ForEachPixel(image, layout, [&](std::uint8_t* p, int step) { PutPixel(p, step, adjust(PixelColor(p, step))); });
}

// A 32-bit copy; other depths get their colours and a fourth byte of 0.
Bitmap As32Bit(const Bitmap& source) {
    if (source.bitsPerPixel() == 32) return source;
    Bitmap out(source.width(), source.height(), 32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const Rgb c = source.pixelColor(x, y);
            std::uint8_t* p = out.row(y) + 4 * x;
            p[0] = c.blue, p[1] = c.green, p[2] = c.red;
        }
    return out;
}

}  // namespace

std::string UnsupportedBitCountMessage(unsigned bitCount) {
    return std::to_string(bitCount) + "ビットの形式には対応していません。";
}

PackedColor HSVToRGB(const THSVColor& hsv) { return WithHue(WithoutHue(hsv.S, hsv.V, hsv.A), WrapHue(hsv.H)); }

PackedColor AdjustColor(PackedColor color, int hue, int saturation, int value) {
    return ColorAdjuster(hue, saturation, value)(color);
}

void AdjustColorRGB(int hue, int saturation, int value, std::uint32_t rgb, std::uint8_t* dest) {
    const PackedColor c = AdjustColor(rgb & 0xFFFFFF, hue, saturation, value);
    dest[0] = static_cast<std::uint8_t>(c);
    dest[1] = static_cast<std::uint8_t>(c >> 8);
    dest[2] = static_cast<std::uint8_t>(c >> 16);
}

namespace {

unsigned AdjustedBitCount(std::span<const std::uint8_t> image, std::uint16_t dirBitCount) {
    return dirBitCount != 0 ? dirBitCount : ByteReader(image).u16le(14);
}

std::optional<PixelLayout> PixelLayoutOf(unsigned bitCount, std::uint8_t heightByte, std::uint8_t widthByte) {
    if (bitCount != 24 && bitCount != 32) return std::nullopt;
    // A size byte of 0 stands for 256 pixels.
    return PixelLayout{static_cast<int>(bitCount), widthByte == 0 ? 256 : widthByte,
                       heightByte == 0 ? 256 : heightByte};
}

}  // namespace

bool AdjustIconImageColors(std::span<std::uint8_t> image, int hue, int saturation, int value, std::uint8_t heightByte,
                           std::uint8_t widthByte, std::uint16_t dirBitCount, MessageSink& sink) {
    const unsigned bitCount = AdjustedBitCount(image, dirBitCount);
    if (const auto layout = PixelLayoutOf(bitCount, heightByte, widthByte)) {
        AdjustPixels(image, *layout, hue, saturation, value);
        return true;
    }
    switch (bitCount) {
    case 1:
    case 4:
    case 8: AdjustTable(image, static_cast<int>(bitCount), hue, saturation, value); return true;
    default: sink.show(MessageKind::Information, UnsupportedBitCountMessage(bitCount)); return false;
    }
}

std::optional<HueSeriesPixels> HueSeriesPixels::Prepare(std::span<const std::uint8_t> image, int saturation, int value,
                                                        std::uint8_t heightByte, std::uint8_t widthByte,
                                                        std::uint16_t dirBitCount) {
    const auto layout = PixelLayoutOf(AdjustedBitCount(image, dirBitCount), heightByte, widthByte);
    if (!layout) return std::nullopt;
    HueSeriesPixels series(*layout, saturation, value);
    const Ext s = Ext(saturation) / 100, v = Ext(value) / 100;
    series.pixels_.reserve(static_cast<std::size_t>(layout->width) * static_cast<std::size_t>(layout->height));
    ForEachPixel(image, *layout, [&](const std::uint8_t* p, int step) {
        const PackedColor color = PixelColor(p, step);
        const THSVColor c = ToHSV((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
        series.pixels_.push_back(
            {c.H, WithoutHue(Store(s + c.S), Store(v + c.V), static_cast<std::uint8_t>(color >> 24))});
    });
    return series;
}

void HueSeriesPixels::Apply(std::span<std::uint8_t> image, int hue) const {
    if (IsNoAdjustment(hue, saturation_, value_)) {
        CheckPixelData(image, layout_);
        return;
    }
    const Pixel* next = pixels_.data();
    ForEachPixel(image, layout_, [&](std::uint8_t* p, int step) {
        const Pixel& pixel = *next++;
        PutPixel(p, step, WithHue(pixel.rest, WrapHue(Store(Ext(hue) + pixel.H))));
    });
}

Bitmap AdjustBitmapColors(const Bitmap& source, int hue, int saturation, int value) {
    return AdjustPreviewColors(source, hue, saturation, value, kNoColor);
}

Bitmap AdjustPreviewColors(const Bitmap& source, int hue, int saturation, int value, TColor keyColor) {
    Bitmap out = As32Bit(source);
    if (IsNoAdjustment(hue, saturation, value)) return out;
    const Rgb k = FromTColor(keyColor);
    // No input colour has bits above the 24 of red, green and blue: "no key" never matches.
    const PackedColor key = keyColor == kNoColor ? 0xFFFFFFFFu : Pack(k.red, k.green, k.blue, 0);
    MemoAdjuster adjust(hue, saturation, value);
    std::uint8_t* p = out.pixels().data();
    for (std::size_t n = out.pixels().size() / 4; n > 0; --n, p += 4) {
        const PackedColor rgb = Pack(p[2], p[1], p[0], 0);
        if (rgb == key) continue;
        const PackedColor c = adjust(rgb);  // the fourth byte stays as it is
        p[0] = static_cast<std::uint8_t>(c);
        p[1] = static_cast<std::uint8_t>(c >> 8);
        p[2] = static_cast<std::uint8_t>(c >> 16);
    }
    return out;
}

}  // namespace zorvane

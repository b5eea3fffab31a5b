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

void AdjustPixels(std::span<std::uint8_t> image, int bitCount, int width, int height, int hue, int saturation,
                  int value) {
    const std::size_t rowBytes = Bitmap::RowBytesFor(width, bitCount);
    ByteReader(image).bytes(40, rowBytes * static_cast<std::size_t>(height));
    if (IsNoAdjustment(hue, saturation, value)) return;
    MemoAdjuster adjust(hue, saturation, value);
    const int step = bitCount / 8;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = image.data() + 40 + rowBytes * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x, p += step) {
            // 24-bit pixels have no fourth byte; 32-bit ones keep theirs.
            const PackedColor c = adjust(Pack(p[2], p[1], p[0], bitCount == 32 ? p[3] : 0));
            for (int i = 0; i < step; ++i) p[i] = static_cast<std::uint8_t>(c >> (8 * i));
        }
    }
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

PackedColor HSVToRGB(const THSVColor& hsv) {
    const double S = Clamp01(hsv.S);
    const double V = Clamp01(hsv.V);
    const double H = WrapHue(hsv.H);
    if (S == 0) {
        const int grey = Channel(V);
        return Pack(grey, grey, grey, hsv.A);
    }
    const double h = SixthOfHue(H);
    const int i = static_cast<int>(h);
    const double f = Store(Ext(h) - i);
    const double p = Store((1 - Ext(S)) * V);
    const double q = Store((1 - Ext(S) * f) * V);
    const double t = Store((1 - (1 - Ext(f)) * S) * V);
    double r, g, b;
    switch (i % 6) {  // a hue that rounded up to 360 is 0
    case 0: r = V, g = t, b = p; break;
    case 1: r = q, g = V, b = p; break;
    case 2: r = p, g = V, b = t; break;
    case 3: r = p, g = q, b = V; break;
    case 4: r = t, g = p, b = V; break;
    default: r = V, g = p, b = q; break;
    }
    return Pack(Channel(r), Channel(g), Channel(b), hsv.A);
}

PackedColor AdjustColor(PackedColor color, int hue, int saturation, int value) {
    return ColorAdjuster(hue, saturation, value)(color);
}

void AdjustColorRGB(int hue, int saturation, int value, std::uint32_t rgb, std::uint8_t* dest) {
    const PackedColor c = AdjustColor(rgb & 0xFFFFFF, hue, saturation, value);
    dest[0] = static_cast<std::uint8_t>(c);
    dest[1] = static_cast<std::uint8_t>(c >> 8);
    dest[2] = static_cast<std::uint8_t>(c >> 16);
}

bool AdjustIconImageColors(std::span<std::uint8_t> image, int hue, int saturation, int value, std::uint8_t heightByte,
                           std::uint8_t widthByte, std::uint16_t dirBitCount, MessageSink& sink) {
    const unsigned bitCount = dirBitCount != 0 ? dirBitCount : ByteReader(image).u16le(14);
    switch (bitCount) {
    case 1:
    case 4:
    case 8: AdjustTable(image, static_cast<int>(bitCount), hue, saturation, value); return true;
    case 24:
    case 32: {
        // A size byte of 0 stands for 256 pixels.
        const int width = widthByte == 0 ? 256 : widthByte;
        const int height = heightByte == 0 ? 256 : heightByte;
        AdjustPixels(image, static_cast<int>(bitCount), width, height, hue, saturation, value);
        return true;
    }
    default: sink.show(MessageKind::Information, UnsupportedBitCountMessage(bitCount)); return false;
    }
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

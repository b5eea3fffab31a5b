#include "core/color_adjust.h"

#include <algorithm>
#include <cmath>

#include "core/le_bytes.h"
#include "platform/byte_reader.h"

namespace zorvane {
namespace {

// Each formula is evaluated in extended precision and rounded once when stored.
using Ext = long double;
double Store(Ext x) { return static_cast<double>(x); }

// The product of a stored double and 255 needs at most 61 bits, so it is exact in the
// extended format; the channel is then truncated, never rounded.
int Channel(double x) { return static_cast<int>(Ext(x) * 255); }

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

THSVColor ToHSV(int r, int g, int b) {
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    const int delta = mx - mn;
    THSVColor c;
    c.S = mx != 0 ? Store(Ext(delta) / mx) : 0.0;
    c.V = Store(Ext(mx) / 255);
    if (c.S == 0) return c;
    if (mx == r)
        c.H = Store(Ext(g - b) / delta);
    else if (mx == g)
        c.H = Store(Ext(b - r) / delta + 2);
    else
        c.H = Store(Ext(r - g) / delta + 4);
    c.H = Store(Ext(c.H) * 60);
    if (c.H < 0) c.H = Store(Ext(c.H) + 360);
    return c;
}

THSVColor Shift(THSVColor c, int hue, int saturation, int value) {
    c.H = Store(Ext(hue) + c.H);
    c.S = Store(Ext(saturation) / 100 + c.S);
    c.V = Store(Ext(value) / 100 + c.V);
    return c;
}

PackedColor Pack(int r, int g, int b, std::uint8_t a) {
    return static_cast<PackedColor>(b) | (static_cast<PackedColor>(g) << 8) | (static_cast<PackedColor>(r) << 16) |
           (static_cast<PackedColor>(a) << 24);
}

void AdjustTable(std::span<std::uint8_t> image, int bitCount, int hue, int saturation, int value) {
    const std::uint64_t entries = std::uint64_t{1} << bitCount;
    const ByteReader reader(image);
    reader.bytes(40, entries * 4);
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint64_t off = 40 + 4 * i;
        PutU32le(image.data() + off, AdjustColor(reader.u32le(off), hue, saturation, value));
    }
}

void AdjustPixels(std::span<std::uint8_t> image, int bitCount, int width, int height, int hue, int saturation,
                  int value) {
    const std::size_t rowBytes = Bitmap::RowBytesFor(width, bitCount);
    ByteReader(image).bytes(40, rowBytes * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.data() + 40 + rowBytes * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x) {
            if (bitCount == 24) {
                std::uint8_t* p = row + 3 * x;
                AdjustColorRGB(hue, saturation, value, (p[2] << 16) | (p[1] << 8) | p[0], p);
            } else {
                std::uint8_t* p = row + 4 * x;
                const PackedColor c = p[0] | (p[1] << 8) | (p[2] << 16) | (PackedColor{p[3]} << 24);
                PutU32le(p, AdjustColor(c, hue, saturation, value));
            }
        }
    }
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
    const double h = Store(Ext(H) / 60);
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
    THSVColor c = ToHSV((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
    c = Shift(c, hue, saturation, value);
    c.A = static_cast<std::uint8_t>(color >> 24);
    return HSVToRGB(c);
}

void AdjustColorRGB(int hue, int saturation, int value, std::uint32_t rgb, std::uint8_t* dest) {
    const PackedColor c = AdjustColor(rgb & 0xFFFFFF, hue, saturation, value);
    dest[0] = static_cast<std::uint8_t>(c);
    dest[1] = static_cast<std::uint8_t>(c >> 8);
    dest[2] = static_cast<std::uint8_t>(c >> 16);
}

bool AdjustIconImageColors(std::span<std::uint8_t> image, int hue, int saturation, int value,
                           std::uint8_t heightByte, std::uint8_t widthByte, std::uint16_t dirBitCount,
                           MessageSink& sink) {
    const unsigned bitCount = dirBitCount != 0 ? dirBitCount : ByteReader(image).u16le(14);
    switch (bitCount) {
    case 1:
    case 4:
    case 8: AdjustTable(image, static_cast<int>(bitCount), hue, saturation, value); return true;
    case 24:
    case 32: AdjustPixels(image, static_cast<int>(bitCount), widthByte, heightByte, hue, saturation, value); return true;
    default: sink.show(MessageKind::Information, UnsupportedBitCountMessage(bitCount)); return false;
    }
}

Bitmap AdjustPreviewColors(const Bitmap& source, int hue, int saturation, int value, TColor keyColor) {
    Bitmap out(source.width(), source.height(), 32);
    const Rgb key = FromTColor(keyColor);
    for (int y = 0; y < source.height(); ++y) {
        std::uint8_t* row = out.row(y);
        const std::uint8_t* src = source.bitsPerPixel() == 32 ? source.row(y) : nullptr;
        for (int x = 0; x < source.width(); ++x) {
            std::uint8_t* p = row + 4 * x;
            const Rgb c = source.pixelColor(x, y);
            p[0] = c.blue, p[1] = c.green, p[2] = c.red, p[3] = src ? src[4 * x + 3] : 0;
            if (keyColor != kNoColor && c == key) continue;
            AdjustColorRGB(hue, saturation, value, (c.red << 16) | (c.green << 8) | c.blue, p);
        }
    }
    return out;
}

}  // namespace zorvane

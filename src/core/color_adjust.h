#pragma once
// Colour adjustment: every colour goes into HSV, is shifted by the user's three offsets
// (hue in degrees, saturation and value in hundredths) and comes back to RGB. The exact
// numeric format (doubles stored from extended-precision formulas, channels truncated) is
// part of the contract: saved files must match bit for bit.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bitmap/bitmap.h"
#include "platform/message_sink.h"

namespace zorvane {

// Hue in degrees, saturation and value 0..1, and a fourth byte carried through.
struct THSVColor {
    double H = 0;
    double S = 0;
    double V = 0;
    std::uint8_t A = 0;
};

// A packed colour: byte 0 blue, 1 green, 2 red, 3 reserved or alpha.
using PackedColor = std::uint32_t;

// The preview's background (red 255, green 255, blue 254); never adjusted.
constexpr TColor PreviewKeyColor = 0xFEFFFF;

// All three offsets 0: nothing was asked of the colours. The per-colour model is not the
// identity there (its truncation lowers many colours by one level), so the image-level
// operations below pass colours through unchanged instead of running it.
constexpr bool IsNoAdjustment(int hue, int saturation, int value) { return hue == 0 && saturation == 0 && value == 0; }

PackedColor HSVToRGB(const THSVColor& hsv);
// Byte 3 of the result is byte 3 of the input.
PackedColor AdjustColor(PackedColor color, int hue, int saturation, int value);
// rgb is red * 65536 + green * 256 + blue; writes blue, green, red to dest and nothing else.
void AdjustColorRGB(int hue, int saturation, int value, std::uint32_t rgb, std::uint8_t* dest);

// Adjusts a private copy of an icon image's data in place: the colour table of an indexed
// image, every pixel of a 24- or 32-bit one (width x height from the directory bytes, a
// byte of 0 meaning 256). With no adjustment the data is checked but left as it is.
// dirBitCount 0 takes the header's bit count. Other depths are refused with a message and
// false. Data too short for the colours it claims raises ReadError.
bool AdjustIconImageColors(std::span<std::uint8_t> image, int hue, int saturation, int value, std::uint8_t heightByte,
                           std::uint8_t widthByte, std::uint16_t dirBitCount, MessageSink& sink);

// A 32-bit copy of source with every pixel converted except those of exactly keyColor
// (user-interface notation); the fourth bytes stay. With no adjustment, a plain 32-bit copy.
Bitmap AdjustPreviewColors(const Bitmap& source, int hue, int saturation, int value, TColor keyColor = PreviewKeyColor);

// A 32-bit copy of source with every pixel converted; the fourth bytes (alpha) stay.
Bitmap AdjustBitmapColors(const Bitmap& source, int hue, int saturation, int value);

// What the way back to RGB takes from S and V alone: the clamped values and the channels of V
// and of the floor (1 - S) * V, which every hue shares.
struct HueFreeColor {
    double S = 0, V = 0;
    std::uint8_t top = 0, floor = 0, A = 0;
};

// Where a 24- or 32-bit icon image's pixels are: the bit count and the directory's size.
struct PixelLayout {
    int bitCount = 0;
    int width = 0, height = 0;
};

// The pixels of a 24- or 32-bit icon image taken once for a series of hues at one saturation
// and value: Apply(copy, hue) does to a copy of that image what AdjustIconImageColors does
// with the hue, the hue-free share of the work (into HSV, the saturation and value, the
// channels every hue shares) having been done here once.
class HueSeriesPixels {
public:
    // Nothing when AdjustIconImageColors would not take the pixels one by one (another
    // depth); data too short for the pixels raise ReadError, as there.
    static std::optional<HueSeriesPixels> Prepare(std::span<const std::uint8_t> image, int saturation, int value,
                                                  std::uint8_t heightByte, std::uint8_t widthByte,
                                                  std::uint16_t dirBitCount);
    void Apply(std::span<std::uint8_t> image, int hue) const;

private:
    HueSeriesPixels(PixelLayout layout, int saturation, int value)
        : layout_(layout), saturation_(saturation), value_(value) {}
    struct Pixel {
        double H;  // the colour's own hue
        HueFreeColor rest;
    };
    PixelLayout layout_;
    int saturation_, value_;
    std::vector<Pixel> pixels_;
};

// The information message for an image depth the system does not handle.
std::string UnsupportedBitCountMessage(unsigned bitCount);

}  // namespace zorvane

#pragma once
// How a bitmap maps to a PNG header, and the palette index that stands for a colour.

#include <cstdint>
#include <optional>

#include "bitmap/bitmap.h"

namespace zorvane {

struct PngFormat {
    int sourceBits = 24;  // 1, 4, 8, 15 or 24 (32-bit sources count as 24 once converted)
    bool sourceHas4thByte = false;
    bool alpha = false;  // the alpha plane is written
    std::uint8_t colorType = 2;
    std::uint8_t bitDepth = 8;
    int pixelBits = 24;  // bits per complete pixel
    bool palette() const { return colorType == 3; }
    int filterStride() const { return (pixelBits + 7) / 8; }
    std::size_t rowBytes(int width) const {
        return (static_cast<std::size_t>(width) * static_cast<std::size_t>(pixelBits) + 7) / 8;
    }
};

// True when the plane can serve as the image's alpha: 8 bits, same size, not empty.
bool AlphaPlaneUsable(const Bitmap& image, const Bitmap* alphaPlane);

PngFormat ChoosePngFormat(const Bitmap& image, bool alphaInUse);

// A palette-index colour gives its index (when the palette holds it); any other colour the
// nearest entry by the sum of channel differences, lowest index among equals.
std::optional<std::uint8_t> PaletteIndexOf(TColor color, const Bitmap& image);

}  // namespace zorvane

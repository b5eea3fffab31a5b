#include "encoders/png_format.h"

#include <cstdlib>

#include "encoders/png_options.h"

namespace zorvane {

bool AlphaPlaneUsable(const Bitmap& image, const Bitmap* plane) {
    return plane != nullptr && plane != &image && !plane->empty() && plane->width() == image.width() &&
           plane->height() == image.height() && plane->bitsPerPixel() == 8;
}

PngFormat ChoosePngFormat(const Bitmap& image, bool alphaInUse) {
    PngFormat f;
    const int bpp = image.bitsPerPixel();
    if (bpp == 1 || bpp == 4 || bpp == 8) {
        f.sourceBits = bpp;
        f.colorType = 3;
        f.bitDepth = static_cast<std::uint8_t>(bpp);
        f.pixelBits = bpp;
        return f;
    }
    // The shared bitmap's 16-bit pixels are 5-5-5.
    f.sourceBits = bpp == 16 ? 15 : 24;
    f.sourceHas4thByte = bpp == 32;
    f.alpha = alphaInUse;
    f.colorType = alphaInUse ? 6 : 2;
    f.pixelBits = alphaInUse ? 32 : 24;
    return f;
}

std::optional<std::uint8_t> PaletteIndexOf(TColor color, const Bitmap& image) {
    const auto& pal = image.palette();
    const std::size_t count = pal.size() < 256 ? pal.size() : 256;
    if (count == 0) return std::nullopt;
    if ((static_cast<std::uint32_t>(color) & 0xFF000000u) == kPaletteIndexMark) {
        const std::uint8_t index = static_cast<std::uint8_t>(color & 0xFF);
        // An index past the palette would make a chunk that points nowhere.
        if (index >= count) return std::nullopt;
        return index;
    }
    const Rgb want = FromTColor(color);
    int best = 0, bestDistance = 1 << 30;
    for (std::size_t i = 0; i < count; ++i) {
        const int d = std::abs(pal[i].red - want.red) + std::abs(pal[i].green - want.green) +
                      std::abs(pal[i].blue - want.blue);
        if (d == 0) return static_cast<std::uint8_t>(i);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace zorvane

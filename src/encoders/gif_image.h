#pragma once
// A single-image GIF made from a palette bitmap, with an optional transparent colour.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bitmap/bitmap.h"
#include "encoders/gif_color_map.h"

namespace zorvane {

struct TGIFGraphicControlExtension {
    std::uint8_t packedFlags = 0;  // bit 0: a transparent colour is given
    std::uint16_t delay = 0;
    std::uint8_t transparentIndex = 0;
};

struct TGIFSubImage {
    int width = 0, height = 0;
    TGIFColorMap colorMap;
    std::vector<std::uint8_t> pixels;  // one colour index per pixel, rows from the top
    std::optional<TGIFGraphicControlExtension> graphicControl;
    bool transparent = false;
};

class TGIFImage {
public:
    // Makes the only image from a 1-, 4- or 8-bit bitmap; a deeper one is first reduced as the
    // save commands do. With the bitmap's transparent flag set, pixels of its transparent
    // colour (white for 1 bit, else the bottom-left pixel's colour) become transparent.
    // Raises BitmapTooLarge for a side above 65535 or more pixels than kMaxBitmapBytes.
    void Assign(const Bitmap& bitmap);

    bool empty() const { return !image_.has_value(); }
    const TGIFSubImage& image() const { return *image_; }

    // Raises EGIFError.
    std::vector<std::uint8_t> SaveToBytes() const;

private:
    std::optional<TGIFSubImage> image_;
};

}  // namespace zorvane

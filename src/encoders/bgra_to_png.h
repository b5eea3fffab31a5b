#pragma once
// 32-bit bitmaps whose fourth byte is alpha, written as PNG with that alpha: the PNG
// graphic takes alpha as a plane of its own (255 minus the alpha).

#include <cstdint>
#include <vector>

#include "bitmap/bitmap.h"

namespace zorvane {

// True for a 32-bit bitmap whose fourth bytes say something about transparency: not all 0
// (old-style images leave them 0 and mean no alpha by it) and not all 255 (every pixel
// opaque, which is no more than a 24-bit image says).
bool UsesAlpha(const Bitmap& bitmap);

// The alpha plane of a 32-bit bitmap: 8 bits per pixel, 255 minus each fourth byte.
Bitmap AlphaPlaneOf(const Bitmap& bgra32);

// An RGBA PNG (colour type 6) of a 32-bit bitmap, whatever its alpha. No time stamp, so
// equal pixels give equal bytes. Raises EZNBPNG.
std::vector<std::uint8_t> EncodeRgbaPng(const Bitmap& bgra32);

}  // namespace zorvane

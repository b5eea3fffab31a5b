#pragma once
// Icon images stored PNG-compressed, as most 256-pixel images are: told apart by the PNG
// signature at the start of the image data, and read and written with our PNG codec as
// 32-bit bitmaps whose fourth byte is the alpha.

#include <cstdint>
#include <span>

#include "core/bitmap.h"

namespace zorvane {

// Larger PNG images are refused (BitmapTooLarge): icons are at most 256 pixels a side, and
// a hostile header must not turn into a huge allocation.
constexpr std::uint32_t kMaxPngIconSide = 1024;

bool IsPngIconImage(std::span<const std::uint8_t> image);

// Bit depth times samples per pixel from the PNG header (32 for 8-bit RGBA); 0 when the
// data holds no valid header.
unsigned PngIconBitCount(std::span<const std::uint8_t> image);

// The image as a 32-bit bitmap with its alpha in the fourth byte; palette and grey images
// are expanded. Raises EZNBPNG for damaged data.
Bitmap DecodePngIconImage(std::span<const std::uint8_t> image);

}  // namespace zorvane

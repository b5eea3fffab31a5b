#pragma once
// Icon images stored PNG-compressed, as most 256-pixel images are: told apart by the PNG
// signature at the start of the image data, and read and written with our PNG codec as
// 32-bit bitmaps whose fourth byte is the alpha.

#include <cstdint>
#include <optional>
#include <span>

#include "bitmap/bitmap.h"

namespace zorvane {

bool IsPngIconImage(std::span<const std::uint8_t> image);

// Bit depth times samples per pixel from the PNG header (32 for 8-bit RGBA); 0 when the
// data holds no valid header.
unsigned PngIconBitCount(std::span<const std::uint8_t> image);

// The image as a 32-bit bitmap with its alpha in the fourth byte; palette and grey images
// are expanded. Raises EZNBPNG for damaged data.
Bitmap DecodePngIconImage(std::span<const std::uint8_t> image);
// The same, or nothing for data the reader refuses (damaged, or sides beyond the limit).
std::optional<Bitmap> TryDecodePngIconImage(std::span<const std::uint8_t> image);

}  // namespace zorvane

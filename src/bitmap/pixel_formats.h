#pragma once
// Conversions between the bitmap's pixel formats.

#include "bitmap/bitmap.h"

namespace zorvane {

// Converts a bitmap of any depth to 24 bits per pixel in place; a 32-bit image loses its
// fourth byte. The transparency settings are kept.
void ConvertTo24Bits(Bitmap& bitmap);

// The bitmap as 32 bits per pixel; the fourth byte is the source's for 32-bit sources and
// 255 otherwise. The transparency settings are not carried over.
Bitmap To32Bit(const Bitmap& source);

}  // namespace zorvane

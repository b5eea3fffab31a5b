#pragma once

#include "core/bitmap.h"

namespace zorvane {

// Converts a bitmap of any depth to 24 bits per pixel in place; a 32-bit image loses its
// fourth byte. The transparency settings are kept.
void ConvertTo24Bits(Bitmap& bitmap);

}  // namespace zorvane

#pragma once
// Turns one bitmap row (or the pixels of one interlace pass in it) into PNG sample bytes.

#include <cstdint>

#include "bitmap/bitmap.h"
#include "encoders/adam7.h"
#include "encoders/png_format.h"

namespace zorvane {

// Writes format.rowBytes(pass width) bytes to out.
void BuildOutputRow(const Bitmap& image, const Bitmap* alphaPlane, const PngFormat& format, int y,
                    const ImagePass& pass, std::uint8_t* out);

}  // namespace zorvane

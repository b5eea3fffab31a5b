#pragma once
// Turns the inflated, filtered rows of a PNG into the image bitmap and its alpha plane.

#include <cstdint>
#include <vector>

#include "bitmap/bitmap.h"
#include "encoders/png_header.h"
#include "encoders/png_image_data.h"

namespace zorvane {

// 256 grey levels from black to white: the palette of an alpha plane and of 8-bit grey.
std::vector<Rgb> GreyRamp(int levels);

struct DecodedPng {
    Bitmap image;
    Bitmap alphaPlane;  // filled for colour types with an alpha channel
};

// Reads every row (all passes when interlaced); raises EZNBPNG on a bad filter byte or
// data that end early.
DecodedPng DecodePngRows(const PngHeader& header, const std::vector<Rgb>& palette, PngImageData& data);

}  // namespace zorvane

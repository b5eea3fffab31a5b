#pragma once

#include "bitmap/bitmap.h"
#include "encoders/znb_png.h"

namespace zorvane {

// The loaded image as a 32-bit bitmap whose fourth byte is the alpha: from the alpha plane
// when there is one, else 0 for pixels of the transparent colour and 255 for the rest.
Bitmap PngToBgra32(const TZNBPNG& png);

}  // namespace zorvane

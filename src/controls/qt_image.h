#pragma once
// The one way from a bitmap to a Qt image.

#include <QImage>

#include "bitmap/bitmap.h"

namespace zorvane {

// A 32-bit bitmap as a Qt image that takes the bitmap's pixels over and shares them with
// nothing else: the bytes blue, green, red, alpha are Qt's ARGB32 on a little-endian machine.
// A null image for an empty bitmap.
QImage ToQImage(Bitmap bitmap32);

}  // namespace zorvane

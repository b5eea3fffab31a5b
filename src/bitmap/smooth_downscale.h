#pragma once
// Smooth reduction of 32-bit images with straight alpha (fourth byte), for thumbnails.

#include "bitmap/bitmap.h"

namespace zorvane {

// The source reduced to width x height (each at most the source's) by averaging the area
// each target pixel covers. Colours are weighted by their alpha, so the colour of a fully
// transparent pixel never bleeds into its neighbours; the result has straight alpha again.
Bitmap SmoothDownscale(const Bitmap& bgra32, int width, int height);

}  // namespace zorvane

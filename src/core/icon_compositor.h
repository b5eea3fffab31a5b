#pragma once
// Our stand-in for the platform's icon objects: an icon image's colour image and AND mask
// as bitmaps of a chosen size, and drawing them over a background. Where the mask bit is
// 0 the colour pixel shows, where it is 1 the background; a 32-bit image whose alpha bytes
// are in use blends by its alpha instead.

#include <cstdint>
#include <vector>

#include "bitmap/bitmap.h"

namespace zorvane {

struct IconBitmaps {
    Bitmap color;           // 32 bits per pixel; the fourth byte is the alpha when useAlpha
    Bitmap mask;            // 1 bit per pixel, palette black and white; 1 = background
    bool useAlpha = false;  // a 32-bit image with at least one alpha byte that is not 0
};

// The colour image and the mask of an icon image (a private copy of its data), each
// stretched to width x height. Nothing (empty bitmaps) for a depth other than 1, 4, 8, 24
// or 32; malformed data raises the bitmap reader's errors. A PNG image is drawn by its
// alpha (EZNBPNG when damaged).
IconBitmaps CreateIconBitmaps(std::vector<std::uint8_t> image, int width, int height);

// A new bitmap holding the whole source stretched to width x height with the nearest
// pixel: 1 bit per pixel (white source pixels become 1) when monochrome, else 32 bits
// with 32-bit sources keeping their fourth byte.
Bitmap StretchToSize(const Bitmap& source, int width, int height, bool monochrome);

// The rectangle [x, x + partWidth) x [y, y + partHeight) of the 32-bit StretchToSize of a
// 32-bit source, clipped to width x height: what a zoomed view paints of its image without
// stretching the whole of it.
Bitmap StretchPartToSize(const Bitmap& source32, int width, int height, int x, int y, int partWidth, int partHeight);

// Draws the icon at (x, y) of a 32-bit target, clipped to the target.
void DrawIcon(Bitmap& target, const IconBitmaps& icon, int x, int y);

// The icon as straight (not premultiplied) ARGB: the mask or the alpha becomes the fourth
// byte, and transparent pixels are black with alpha 0.
Bitmap IconToArgb(const IconBitmaps& icon);

}  // namespace zorvane

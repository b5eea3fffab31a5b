#include "encoders/bgra_to_png.h"

#include "encoders/png_row_decoder.h"
#include "encoders/znb_png.h"

namespace zorvane {

bool UsesAlpha(const Bitmap& bitmap) {
    if (bitmap.bitsPerPixel() != 32) return false;
    bool clear = false, opaque = false;
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::uint8_t* p = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint8_t alpha = p[4 * x + 3];
            if (alpha != 0 && alpha != 255) return true;
            (alpha == 0 ? clear : opaque) = true;
            if (clear && opaque) return true;
        }
    }
    return false;
}

Bitmap AlphaPlaneOf(const Bitmap& bgra32) {
    Bitmap plane(bgra32.width(), bgra32.height(), 8);
    plane.palette() = GreyRamp(256);
    for (int y = 0; y < bgra32.height(); ++y) {
        const std::uint8_t* src = bgra32.row(y);
        std::uint8_t* dst = plane.row(y);
        for (int x = 0; x < bgra32.width(); ++x) dst[x] = static_cast<std::uint8_t>(255 - src[4 * x + 3]);
    }
    return plane;
}

std::vector<std::uint8_t> EncodeRgbaPng(const Bitmap& bgra32) {
    TZNBPNG png;
    png.options.FilterMode = kFilterAdaptive;  // icon files stay close to their original size
    png.options.UseCurrentTime = false;
    png.options.StoredTime = {};  // a year of 0 writes no tIME
    png.Assign(bgra32);
    png.SetAlphaPlane(AlphaPlaneOf(bgra32));
    return png.SaveToBytes();
}

}  // namespace zorvane

#include "bitmap/pixel_formats.h"

namespace zorvane {

namespace {

// Every pixel's colour written as blue, green, red (and 255 for a fourth byte).
Bitmap ExpandColors(const Bitmap& source, int bitsPerPixel) {
    Bitmap out(source.width(), source.height(), bitsPerPixel);
    const int step = bitsPerPixel / 8;
    for (int y = 0; y < source.height(); ++y) {
        std::uint8_t* dst = out.row(y);
        for (int x = 0; x < source.width(); ++x, dst += step) {
            const Rgb c = source.pixelColor(x, y);
            dst[0] = c.blue;
            dst[1] = c.green;
            dst[2] = c.red;
            if (step == 4) dst[3] = 255;
        }
    }
    return out;
}

}  // namespace

void ConvertTo24Bits(Bitmap& bitmap) {
    if (bitmap.bitsPerPixel() == 24) return;
    Bitmap out = ExpandColors(bitmap, 24);
    out.setTransparent(bitmap.transparent());
    out.setTransparentColor(bitmap.transparentColor());
    bitmap = std::move(out);
}

Bitmap To32Bit(const Bitmap& source) {
    if (source.bitsPerPixel() == 32) return source;
    return ExpandColors(source, 32);
}

}  // namespace zorvane

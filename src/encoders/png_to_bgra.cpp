#include "encoders/png_to_bgra.h"

namespace zorvane {

Bitmap PngToBgra32(const TZNBPNG& png) {
    const Bitmap& image = png.image();
    Bitmap out(image.width(), image.height(), 32);
    const bool plane = png.hasAlpha() && png.alphaPlane().width() == image.width() &&
                       png.alphaPlane().height() == image.height();
    const TColor key = image.transparent() ? image.transparentColor() : kNoColor;
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* row = out.row(y);
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.pixelColor(x, y);
            std::uint8_t alpha = 255;
            if (plane)
                alpha = static_cast<std::uint8_t>(255 - png.alphaPlane().row(y)[x]);
            else if (key != kNoColor && ToTColor(c) == key)
                alpha = 0;
            row[4 * x] = c.blue;
            row[4 * x + 1] = c.green;
            row[4 * x + 2] = c.red;
            row[4 * x + 3] = alpha;
        }
    }
    return out;
}

}  // namespace zorvane

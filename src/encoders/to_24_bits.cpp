#include "encoders/to_24_bits.h"

namespace zorvane {

void ConvertTo24Bits(Bitmap& bitmap) {
    if (bitmap.bitsPerPixel() == 24) return;
    Bitmap out(bitmap.width(), bitmap.height(), 24);
    for (int y = 0; y < bitmap.height(); ++y) {
        std::uint8_t* row = out.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            const Rgb c = bitmap.pixelColor(x, y);
            row[3 * x] = c.blue;
            row[3 * x + 1] = c.green;
            row[3 * x + 2] = c.red;
        }
    }
    out.setTransparent(bitmap.transparent());
    out.setTransparentColor(bitmap.transparentColor());
    bitmap = std::move(out);
}

}  // namespace zorvane

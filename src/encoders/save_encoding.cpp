#include "encoders/save_encoding.h"

#include "encoders/gif_image.h"
#include "encoders/reduce_to_palette.h"
#include "encoders/znb_png.h"

namespace zorvane {

std::vector<std::uint8_t> EncodePngForSave(const Bitmap& bitmap, bool transparent, const PngClock& clock) {
    TZNBPNG png(clock);
    if (transparent && !bitmap.empty()) png.SetTransparentColor(ToTColor(bitmap.pixelColor(0, bitmap.height() - 1)));
    png.Assign(bitmap);
    return png.SaveToBytes();
}

std::vector<std::uint8_t> EncodeGifForSave(const Bitmap& bitmap, bool transparent) {
    Bitmap prepared = bitmap;
    if (prepared.bitsPerPixel() > 8) prepared = ReduceForGif(prepared);
    prepared.setTransparent(transparent);
    TGIFImage gif;
    gif.Assign(prepared);
    return gif.SaveToBytes();
}

}  // namespace zorvane

#include "encoders/save_encoding.h"

#include "encoders/bgra_to_png.h"
#include "encoders/gif_image.h"
#include "encoders/reduce_to_palette.h"
#include "encoders/znb_png.h"

namespace zorvane {

std::vector<std::uint8_t> EncodePngForSave(const Bitmap& bitmap, bool transparent, const PngClock& clock) {
    TZNBPNG png(clock);
    // Real alpha is written as such; a transparent colour would only lose it.
    const bool alpha = UsesAlpha(bitmap);
    if (transparent && !alpha && !bitmap.empty())
        png.SetTransparentColor(ToTColor(bitmap.pixelColor(0, bitmap.height() - 1)));
    png.Assign(bitmap);
    if (alpha) png.SetAlphaPlane(AlphaPlaneOf(bitmap));
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

#include "encoders/save_encoding.h"

#include "encoders/bgra_to_png.h"
#include "encoders/gif_image.h"
#include "encoders/reduce_to_palette.h"
#include "encoders/znb_png.h"

namespace zorvane {

std::vector<std::uint8_t> EncodePngForSave(const Bitmap& bitmap, bool transparent, const PngClock& clock) {
    // The options a new graphic has, written from the caller's bitmap without a copy of it.
    TZNBPNGOptions options;
    if (clock) options.StoredTime = clock();
    // Real alpha is written as such; a transparent colour would only lose it.
    const bool alpha = UsesAlpha(bitmap);
    if (transparent && !alpha && !bitmap.empty())
        options.TransparentColor = ToTColor(bitmap.pixelColor(0, bitmap.height() - 1));
    const Bitmap plane = alpha ? AlphaPlaneOf(bitmap) : Bitmap();
    return TZNBPNG::EncodeToBytes(bitmap, alpha ? &plane : nullptr, options, clock);
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

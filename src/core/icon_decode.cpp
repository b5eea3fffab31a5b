#include "core/icon_decode.h"

#include "bitmap/texts.h"
#include "core/bitmap_transform.h"
#include "core/color_adjust.h"
#include "core/icon_image.h"
#include "core/png_icon_image.h"

namespace zorvane {
namespace {

struct Adjustment {
    int hue, saturation, value;
};

// A bitmap-format image at its own depth, its colours adjusted on the data.
std::optional<Bitmap> DecodeDIBImage(std::vector<std::uint8_t>& image, const IconDirEntry& entry, const Adjustment& a,
                                     MessageSink& sink) {
    const std::uint32_t heightField = HalveHeightField(image);
    const unsigned bitCount = ByteReader(image).u16le(kBitCountOffset);
    if (!IsIconDepth(bitCount)) {
        sink.show(MessageKind::Information, UnsupportedBitCountMessage(bitCount));
        return std::nullopt;
    }
    if (static_cast<std::int32_t>(heightField) < 0) {
        sink.show(MessageKind::Information, kTopDownIconMessage);
        return std::nullopt;
    }
    AdjustIconImageColors(image, a.hue, a.saturation, a.value, entry.height, entry.width, entry.bitCount, sink);
    return DecodeDIBData(image, bitCount);
}

}  // namespace

std::optional<Bitmap> IconImageToBitmap(const TIconStream& stream, int index, int hue, int saturation, int value,
                                        const TransformState& state, MessageSink& sink) {
    std::vector<std::uint8_t> image = ReadIconImage(stream, index);
    std::optional<Bitmap> bitmap;
    if (IsPngIconImage(image))
        bitmap = AdjustBitmapColors(DecodePngIconImage(image), hue, saturation, value);
    else
        bitmap = DecodeDIBImage(image, EntryWithImageBitCount(stream, index), {hue, saturation, value}, sink);
    if (!bitmap) return std::nullopt;
    if (bitmap->empty()) {
        sink.show(MessageKind::Warning, kBitmapFailedMessage);
        return std::nullopt;
    }
    return ApplyTransform(*bitmap, state);
}

}  // namespace zorvane

#include "core/icon_decode.h"

#include "core/bitmap_transform.h"
#include "core/color_adjust.h"
#include "core/icon_image.h"

namespace zorvane {

std::optional<Bitmap> IconImageToBitmap(const TIconStream& stream, int index, int hue, int saturation, int value,
                                        const TransformState& state, MessageSink& sink) {
    std::vector<std::uint8_t> image = ReadIconImage(stream, index);
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
    const IconDirEntry entry = DirEntry(stream, index);
    AdjustIconImageColors(image, hue, saturation, value, entry.height, entry.width, entry.bitCount, sink);
    const Bitmap bitmap = DecodeDIBData(image, bitCount);
    if (bitmap.empty()) {
        sink.show(MessageKind::Warning, "ビットマップの作成に失敗しました。");
        return std::nullopt;
    }
    return ApplyTransform(bitmap, state);
}

}  // namespace zorvane

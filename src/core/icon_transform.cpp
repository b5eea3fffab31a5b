// The geometry applied to an icon image's own data: colour rows and AND mask are decoded,
// turned alike and written back in place, so the image keeps its byte size and its
// directory entry stays valid.

#include <algorithm>

#include "core/bitmap_file.h"
#include "core/bitmap_transform.h"
#include "core/color_adjust.h"
#include "core/icon_encode.h"
#include "core/icon_image.h"
#include "core/texts.h"

namespace zorvane {
namespace {

struct IconLayout {
    std::uint64_t side = 0;  // width and height of the colour image
    unsigned bitCount = 0;
    std::uint64_t colorPart = 0;  // header and colour table
    std::uint64_t rowBytes = 0;   // one colour row
    std::uint64_t maskBytes = 0;  // the whole AND mask
};

// Raises ReadError unless the colour rows and the mask fit in the data.
void CheckFits(const IconLayout& l, std::uint64_t size) {
    if (l.side > size || l.rowBytes > size || l.colorPart + l.side * l.rowBytes + l.maskBytes > size) throw ReadError();
}

// The mask as a 1-bit bitmap: black for shown pixels, white for transparent ones.
Bitmap DecodeMask(std::span<const std::uint8_t> mask, int side) {
    std::vector<std::uint8_t> data;
    AppendInfoHeader(data, side, side, 1, 0, 2);
    data.insert(data.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    data.insert(data.end(), mask.begin(), mask.end());
    return DecodeDIBData(data, 1);
}

std::vector<std::uint8_t> RowsOf(const Bitmap& bitmap) {
    std::vector<std::uint8_t> rows;
    AppendRowsBottomUp(rows, bitmap);
    return rows;
}

// The transformed colour image's header over the old one; the palette does not change
// under a transform, so the colour table stays.
void WriteColorHeader(std::span<std::uint8_t> image, const IconLayout& l) {
    std::vector<std::uint8_t> header;
    const int side = static_cast<int>(l.side);
    AppendInfoHeader(header, side, side, static_cast<int>(l.bitCount), static_cast<std::uint32_t>(l.side * l.rowBytes),
                     0);
    std::copy(header.begin(), header.end(), image.begin());
}

}  // namespace

void TransformIconImage(std::span<std::uint8_t> image, const TransformState& state, MessageSink& sink) {
    const std::uint32_t heightField = HalveHeightField(image);
    const ByteReader reader(image);
    const std::int64_t width = reader.i32le(4);
    IconLayout l;
    l.side = heightField >> 1;
    l.bitCount = reader.u16le(kBitCountOffset);
    if (width != static_cast<std::int64_t>(l.side)) return SetHeightField(image, heightField);
    if (!IsIconDepth(l.bitCount)) {
        sink.show(MessageKind::Information, UnsupportedBitCountMessage(l.bitCount));
        return SetHeightField(image, heightField);
    }
    l.colorPart = kIconHeaderBytes + 4 * std::uint64_t{ColorTableEntries(l.bitCount)};
    l.rowBytes = (l.side * l.bitCount + 31) / 32 * 4;
    l.maskBytes = l.side * ((l.side + 31) / 32 * 4);
    CheckFits(l, image.size());

    const Bitmap color = DecodeDIBData(image, l.bitCount);
    if (color.empty()) {
        sink.show(MessageKind::Warning, kIconFailedMessage);
        return SetHeightField(image, heightField);
    }
    const auto maskStart = image.size() - l.maskBytes;
    const Bitmap mask = DecodeMask(image.subspan(maskStart), static_cast<int>(l.side));
    if (mask.empty()) {
        sink.show(MessageKind::Warning, "アイコンマスクの作成に失敗しました。");
        return SetHeightField(image, heightField);
    }
    const auto rows = RowsOf(ApplyTransform(color, state));
    const auto maskRows = RowsOf(ApplyTransform(mask, state));
    WriteColorHeader(image, l);
    std::copy(rows.begin(), rows.end(), image.begin() + static_cast<std::ptrdiff_t>(l.colorPart));
    std::copy(maskRows.begin(), maskRows.end(), image.begin() + static_cast<std::ptrdiff_t>(maskStart));
    SetHeightField(image, static_cast<std::uint32_t>(l.side * 2));
}

}  // namespace zorvane

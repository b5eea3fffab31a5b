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

// The header checks of a bitmap-format image, its height field halved: the bit count, or
// nothing after the reason was shown.
std::optional<unsigned> CheckedDIBImage(std::vector<std::uint8_t>& image, MessageSink& sink) {
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
    return bitCount;
}

// A bitmap-format image at its own depth, its colours adjusted on the data.
std::optional<Bitmap> DecodeDIBImage(std::vector<std::uint8_t>& image, const IconDirEntry& entry, const Adjustment& a,
                                     MessageSink& sink) {
    const auto bitCount = CheckedDIBImage(image, sink);
    if (!bitCount) return std::nullopt;
    AdjustIconImageColors(image, a.hue, a.saturation, a.value, entry.height, entry.width, entry.bitCount, sink);
    return DecodeDIBData(image, *bitCount);
}

// The decoded image with the geometry applied; an empty one is refused with a warning.
std::optional<Bitmap> Finished(const std::optional<Bitmap>& bitmap, const TransformState& state, MessageSink& sink) {
    if (!bitmap) return std::nullopt;
    if (bitmap->empty()) {
        sink.show(MessageKind::Warning, kBitmapFailedMessage);
        return std::nullopt;
    }
    return ApplyTransform(*bitmap, state);
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
    return Finished(bitmap, state, sink);
}

IconImageHues::IconImageHues(const TIconStream& stream, int index, int saturation, int value,
                             const TransformState& state)
    : stream_(stream), index_(index), saturation_(saturation), value_(value), state_(state) {}

IconImageHues::~IconImageHues() = default;

void IconImageHues::Prepare() {
    std::vector<std::uint8_t> image = ReadIconImage(stream_, index_);
    if (IsPngIconImage(image)) {
        png_ = DecodePngIconImage(image);
        kind_ = Kind::Png;
        return;
    }
    // A refused image goes the single image's way each time, so its messages stay the same.
    SilentMessageSink quiet;
    const auto bitCount = CheckedDIBImage(image, quiet);
    if (!bitCount) {
        kind_ = Kind::Single;
        return;
    }
    entry_ = EntryWithImageBitCount(stream_, index_);
    bitCount_ = *bitCount;
    pixels_ = HueSeriesPixels::Prepare(image, saturation_, value_, entry_.height, entry_.width, entry_.bitCount);
    dib_ = std::move(image);
    kind_ = pixels_ ? Kind::Pixels : Kind::Dib;
}

std::optional<Bitmap> IconImageHues::WithHue(int hue, MessageSink& sink) {
    if (kind_ == Kind::Unprepared) Prepare();
    switch (kind_) {
    case Kind::Png: return Finished(AdjustBitmapColors(png_, hue, saturation_, value_), state_, sink);
    case Kind::Pixels: {
        std::vector<std::uint8_t> image = dib_;
        pixels_->Apply(image, hue);
        return Finished(DecodeDIBData(image, bitCount_), state_, sink);
    }
    case Kind::Dib: {
        std::vector<std::uint8_t> image = dib_;
        AdjustIconImageColors(image, hue, saturation_, value_, entry_.height, entry_.width, entry_.bitCount, sink);
        return Finished(DecodeDIBData(image, bitCount_), state_, sink);
    }
    case Kind::Single:
    case Kind::Unprepared: break;
    }
    return IconImageToBitmap(stream_, index_, hue, saturation_, value_, state_, sink);
}

}  // namespace zorvane

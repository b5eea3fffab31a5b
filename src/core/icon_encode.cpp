#include "core/icon_encode.h"

#include <algorithm>

#include "core/bitmap_transform.h"
#include "core/color_adjust.h"
#include "core/png_icon_image.h"
#include "encoders/bgra_to_png.h"
#include "platform/file_io.h"

namespace zorvane {
namespace {

constexpr std::uint32_t kSingleImageOffset = kIconHeaderSize + kIconDirEntrySize;

// A PNG image decoded, turned when square, recoloured pixel by pixel with its alpha kept,
// and compressed again: its byte size changes. Left as it came when nothing is asked of it,
// and when our reader cannot decode it: a copy of the entry beats losing the whole file.
void EncodePngImageData(std::vector<std::uint8_t>& image, int hue, int saturation, int value,
                        const TransformState& state) {
    if (IsNoAdjustment(hue, saturation, value) && !state.active()) return;
    std::optional<Bitmap> bitmap = TryDecodePngIconImage(image);
    if (!bitmap) return;
    if (state.active() && bitmap->width() == bitmap->height()) bitmap = ApplyTransform(*bitmap, state);
    image = EncodeRgbaPng(AdjustBitmapColors(*bitmap, hue, saturation, value));
}

// One image's data as it goes into a file: geometry first, on the unadjusted data, then
// colours. Returns false when the adjustment refused the image's depth.
bool EncodeImageData(std::vector<std::uint8_t>& image, const IconDirEntry& entry, int hue, int saturation, int value,
                     const TransformState& state, MessageSink& sink) {
    if (IsPngIconImage(image)) {
        EncodePngImageData(image, hue, saturation, value, state);
        return true;
    }
    if (state.active()) TransformIconImage(image, state, sink);
    return AdjustIconImageColors(image, hue, saturation, value, entry.height, entry.width, entry.bitCount, sink);
}

// The stored image sizes summed before anything is copied: a directory naming one image
// thousands of times must not turn into gigabytes of copies.
void CheckGroupSize(const TIconStream& stream, int count, std::uint64_t directoryEnd) {
    std::uint64_t total = directoryEnd;
    for (int i = 0; i < count; ++i) {
        total += DirEntry(stream, i).imageSize;
        if (total > kMaxIconGroupBytes) throw ReadError();
    }
}

// A cursor's directory holds its hot spot where an icon's holds planes and bit count: a
// turn or mirror (square images only) takes the hot spot along with its pixel, rows counted
// from the top.
void MoveHotSpot(IconDirEntry& entry, const TransformState& state) {
    if (!state.active() || entry.pixelWidth() != entry.pixelHeight()) return;
    const int last = entry.pixelWidth() - 1;
    int x = entry.planes;
    int y = entry.bitCount;
    if (state.Mirrored) x = last - x;
    for (int turn = 0; turn < state.Rotation; ++turn) {
        const int turned = last - y;
        y = x;
        x = turned;
    }
    entry.planes = static_cast<std::uint16_t>(std::clamp(x, 0, last));
    entry.bitCount = static_cast<std::uint16_t>(std::clamp(y, 0, last));
}

// One image for a file of the stream's kind: its data encoded, a cursor's hot spot moved.
bool EncodeEntryAndImage(const TIconStream& stream, int index, IconDirEntry& entry, std::vector<std::uint8_t>& image,
                         int hue, int saturation, int value, const TransformState& state, MessageSink& sink) {
    const bool encoded = EncodeImageData(image, EntryWithImageBitCount(stream, index), hue, saturation, value, state,
                                         sink);
    if (IsCursorStream(stream)) MoveHotSpot(entry, state);
    return encoded;
}

bool WriteIfEncoded(const std::string& path, const std::optional<std::vector<std::uint8_t>>& bytes) {
    if (!bytes) return false;
    WriteFileReplacing(path, *bytes);
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeIconGroup(const TIconStream& stream, int hue, int saturation, int value,
                                                         const TransformState& state, MessageSink& sink) {
    const int count = ImageCount(stream);
    if (count == 0) return std::nullopt;
    const std::uint64_t directoryEnd = kIconHeaderSize + kIconDirEntrySize * static_cast<std::uint64_t>(count);
    CheckGroupSize(stream, count, directoryEnd);
    const auto head = stream.reader().bytes(0, kIconHeaderSize);
    std::vector<std::uint8_t> out(head.begin(), head.end());
    std::vector<std::uint8_t> images;
    for (int i = 0; i < count; ++i) {
        IconDirEntry entry = DirEntry(stream, i);
        std::vector<std::uint8_t> image = ReadIconImage(stream, i);
        EncodeEntryAndImage(stream, i, entry, image, hue, saturation, value, state, sink);
        // The images follow the directory back to back, whatever offsets the stream held.
        entry.imageOffset = static_cast<std::uint32_t>(directoryEnd + images.size());
        entry.imageSize = static_cast<std::uint32_t>(image.size());
        // Re-encoded PNG images change size; the total is held to the same bound.
        if (directoryEnd + images.size() + image.size() > kMaxIconGroupBytes) throw ReadError();
        AppendDirEntry(out, entry);
        images.insert(images.end(), image.begin(), image.end());
    }
    out.insert(out.end(), images.begin(), images.end());
    return out;
}

std::optional<std::vector<std::uint8_t>> EncodeIconImage(const TIconStream& stream, int index, int hue, int saturation,
                                                         int value, const TransformState& state, MessageSink& sink) {
    IconDirEntry entry = DirEntry(stream, index);
    std::vector<std::uint8_t> image = ReadIconImage(stream, index);
    if (!EncodeEntryAndImage(stream, index, entry, image, hue, saturation, value, state, sink)) return std::nullopt;
    std::vector<std::uint8_t> out;
    AppendIconHeader(out, 1, IsCursorStream(stream) ? 2 : 1);
    entry.imageOffset = kSingleImageOffset;
    entry.imageSize = static_cast<std::uint32_t>(image.size());
    AppendDirEntry(out, entry);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

bool SaveIconGroup(const TIconStream& stream, const std::string& path, int hue, int saturation, int value,
                   const TransformState& state, MessageSink& sink) {
    return WriteIfEncoded(path, EncodeIconGroup(stream, hue, saturation, value, state, sink));
}

bool SaveIconImage(const TIconStream& stream, const std::string& path, int index, int hue, int saturation, int value,
                   const TransformState& state, MessageSink& sink) {
    return WriteIfEncoded(path, EncodeIconImage(stream, index, hue, saturation, value, state, sink));
}

}  // namespace zorvane

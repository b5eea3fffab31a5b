#include "core/icon_by_index.h"

#include <cstdlib>

#include "core/icon_compositor.h"
#include "core/icon_file.h"
#include "core/icon_image.h"
#include "core/png_icon_image.h"

namespace zorvane {
namespace {

// The bit count the image header gives, or 0 when the image is not one we can draw.
unsigned DrawableBitCount(const TIconStream& stream, const IconDirEntry& entry) {
    const ByteReader reader = stream.reader();
    if (!reader.has(entry.imageOffset, entry.imageSize)) return 0;
    const auto image = reader.bytes(entry.imageOffset, entry.imageSize);
    if (IsPngIconImage(image)) return PngIconBitCount(image);
    if (!reader.has(entry.imageOffset, 40)) return 0;
    const unsigned bits = reader.u16le(std::uint64_t{entry.imageOffset} + 14);
    return IsIconDepth(bits) ? bits : 0;
}

}  // namespace

int BestFitImage(const TIconStream& stream, int size) {
    if (!IsReadableIconStream(stream)) return -1;
    int best = -1, bestDistance = 0;
    unsigned bestBits = 0;
    for (int i = 0; i < ImageCount(stream); ++i) {
        const IconDirEntry entry = DirEntry(stream, i);
        const unsigned bits = DrawableBitCount(stream, entry);
        if (bits == 0) continue;
        const int distance = std::abs(entry.pixelWidth() - size) + std::abs(entry.pixelHeight() - size);
        if (best < 0 || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
            best = i;
            bestDistance = distance;
            bestBits = bits;
        }
    }
    return best;
}

Bitmap IconOfGroup(const TIconStream& stream, int size) {
    const int entry = BestFitImage(stream, size);
    if (entry < 0) return {};
    try {
        return IconToArgb(CreateIconBitmaps(ReadIconImage(stream, entry), size, size));
    } catch (const std::exception&) {
        // A cell with a broken image stays empty; opening the group reports the fault.
        return {};
    }
}

Bitmap IconByIndex(const std::string& path, int index, int size) {
    TIconStream stream;
    try {
        LoadGroupOfFile(stream, path, index);
    } catch (const std::exception&) {
        return {};
    }
    return IconOfGroup(stream, size);
}

}  // namespace zorvane

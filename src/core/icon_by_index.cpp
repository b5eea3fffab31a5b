#include "core/icon_by_index.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

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

struct Candidate {
    int index;
    IconDirEntry entry;
    unsigned bits;
};

// The drawable entry that no later one beats: better(candidate, best) says when one does.
template <typename Better>
int ChooseDrawable(const TIconStream& stream, Better better) {
    if (!IsReadableIconStream(stream)) return -1;
    std::optional<Candidate> best;
    for (int i = 0; i < ImageCount(stream); ++i) {
        const IconDirEntry entry = DirEntry(stream, i);
        const Candidate candidate{i, entry, DrawableBitCount(stream, entry)};
        if (candidate.bits != 0 && (!best || better(candidate, *best))) best = candidate;
    }
    return best ? best->index : -1;
}

}  // namespace

int BestFitImage(const TIconStream& stream, int size) {
    const auto distance = [size](const IconDirEntry& e) {
        return std::abs(e.pixelWidth() - size) + std::abs(e.pixelHeight() - size);
    };
    return ChooseDrawable(stream, [&](const Candidate& c, const Candidate& best) {
        const int d = distance(c.entry), bestD = distance(best.entry);
        return d < bestD || (d == bestD && c.bits > best.bits);
    });
}

int ThumbnailImage(const TIconStream& stream, int size) {
    const auto side = [](const IconDirEntry& e) { return std::max(e.pixelWidth(), e.pixelHeight()); };
    return ChooseDrawable(stream, [&](const Candidate& c, const Candidate& best) {
        const int s = side(c.entry), bestS = side(best.entry);
        // At least size beats below it; above it the smaller wins, below it the larger.
        if (s == bestS) return c.bits > best.bits;
        if ((s >= size) != (bestS >= size)) return s >= size;
        return s >= size ? s < bestS : s > bestS;
    });
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

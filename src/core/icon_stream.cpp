#include "core/icon_stream.h"

#include <algorithm>

#include "core/png_icon_image.h"

namespace zorvane {
namespace {

std::uint64_t entryOffset(int index) { return kIconHeaderSize + kIconDirEntrySize * static_cast<std::uint64_t>(index); }

void putU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void putU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void encodeEntry(std::uint8_t* p, const IconDirEntry& e) {
    p[0] = e.width;
    p[1] = e.height;
    p[2] = e.colorCount;
    p[3] = e.reserved;
    putU16(p + 4, e.planes);
    putU16(p + 6, e.bitCount);
    putU32(p + 8, e.imageSize);
    putU32(p + 12, e.imageOffset);
}

// The bit count an image's own header gives: the bitmap header's word at offset 14, or for
// a PNG image bit depth times samples per pixel (offset 14 of PNG data holds letters).
unsigned HeaderBitCount(const TIconStream& stream, const IconDirEntry& e) {
    const ByteReader reader = stream.reader();
    if (reader.has(e.imageOffset, e.imageSize)) {
        const auto image = reader.bytes(e.imageOffset, e.imageSize);
        if (IsPngIconImage(image)) return PngIconBitCount(image);
    }
    reader.bytes(e.imageOffset, 40);
    return reader.u16le(std::uint64_t{e.imageOffset} + 14);
}

}  // namespace

void TIconStream::write(std::span<const std::uint8_t> data) {
    if (pos_ > bytes_.size()) bytes_.resize(pos_, 0);
    const std::uint64_t end = pos_ + data.size();
    if (end > bytes_.size()) bytes_.resize(end);
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(pos_));
    pos_ = end;
}

void TIconStream::read(std::span<std::uint8_t> out) {
    auto src = reader().bytes(pos_, out.size());
    std::copy(src.begin(), src.end(), out.begin());
    pos_ += out.size();
}

int ImageCount(const TIconStream& stream) { return stream.empty() ? 0 : stream.reader().u16le(4); }

IconDirEntry DirEntry(const TIconStream& stream, int index) {
    const ByteReader r = stream.reader();
    const std::uint64_t o = entryOffset(index);
    r.bytes(o, kIconDirEntrySize);
    IconDirEntry e = ReadCommonEntryFields(r, o);
    e.imageOffset = r.u32le(o + 12);
    return e;
}

IconDirEntry ReadCommonEntryFields(const ByteReader& r, std::uint64_t o) {
    IconDirEntry e;
    e.width = r.u8(o);
    e.height = r.u8(o + 1);
    e.colorCount = r.u8(o + 2);
    e.reserved = r.u8(o + 3);
    e.planes = r.u16le(o + 4);
    e.bitCount = r.u16le(o + 6);
    e.imageSize = r.u32le(o + 8);
    return e;
}

void SetDirEntry(TIconStream& stream, int index, const IconDirEntry& entry) {
    const std::uint64_t o = entryOffset(index);
    if (!stream.reader().has(o, kIconDirEntrySize)) throw ReadError();
    encodeEntry(stream.buffer().data() + o, entry);
}

bool IsReadableIconStream(const TIconStream& stream) {
    const ByteReader r = stream.reader();
    if (!r.has(0, kIconHeaderSize)) return false;
    const int count = r.u16le(4);
    if (count == 0 || !r.has(kIconHeaderSize, kIconDirEntrySize * static_cast<std::uint64_t>(count))) return false;
    for (int i = 0; i < count; ++i) {
        const IconDirEntry e = DirEntry(stream, i);
        if (!r.has(e.imageOffset, e.imageSize)) return false;
    }
    return true;
}

std::vector<std::uint8_t> ReadIconImage(const TIconStream& stream, int index) {
    const IconDirEntry e = DirEntry(stream, index);
    auto bytes = stream.reader().bytes(e.imageOffset, e.imageSize);
    return {bytes.begin(), bytes.end()};
}

bool IsCursorStream(const TIconStream& stream) { return stream.size() >= 4 && stream.reader().u16le(2) == 2; }

const char* IconFileExtension(const TIconStream& stream) { return IsCursorStream(stream) ? "cur" : "ico"; }

int ListedBitCount(const TIconStream& stream, int index) {
    const IconDirEntry e = DirEntry(stream, index);
    return IsCursorStream(stream) ? static_cast<int>(HeaderBitCount(stream, e)) : e.bitCount;
}

IconDirEntry EntryWithImageBitCount(const TIconStream& stream, int index) {
    IconDirEntry e = DirEntry(stream, index);
    e.bitCount = static_cast<std::uint16_t>(ListedBitCount(stream, index));
    return e;
}

void FillMissingBitCounts(TIconStream& stream) {
    if (IsCursorStream(stream)) return;  // its directory holds hot spots there
    const int count = ImageCount(stream);
    for (int i = 0; i < count; ++i) {
        IconDirEntry e = DirEntry(stream, i);
        if (e.bitCount != 0) continue;
        e.bitCount = static_cast<std::uint16_t>(HeaderBitCount(stream, e));
        SetDirEntry(stream, i, e);
    }
}

void AppendDirEntry(std::vector<std::uint8_t>& out, const IconDirEntry& entry) {
    std::uint8_t b[kIconDirEntrySize];
    encodeEntry(b, entry);
    out.insert(out.end(), b, b + kIconDirEntrySize);
}

void AppendIconHeader(std::vector<std::uint8_t>& out, std::uint16_t count, std::uint16_t type) {
    const std::uint8_t b[kIconHeaderSize] = {0,
                                             0,
                                             static_cast<std::uint8_t>(type),
                                             0,
                                             static_cast<std::uint8_t>(count),
                                             static_cast<std::uint8_t>(count >> 8)};
    out.insert(out.end(), b, b + kIconHeaderSize);
}

}  // namespace zorvane

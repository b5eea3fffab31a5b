#pragma once
// The icon stream: one icon group held byte for byte in icon-file layout, or nothing.
// Header (6 bytes: reserved, type, count), then 16-byte directory entries, then the images.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/byte_reader.h"

namespace zorvane {

constexpr std::size_t kIconHeaderSize = 6;
constexpr std::size_t kIconDirEntrySize = 16;
// Groups larger than this are refused before their images are copied: no real icon comes
// near it, and a hostile directory may name one large image thousands of times.
constexpr std::uint64_t kMaxIconGroupBytes = std::uint64_t{1} << 28;

// One directory entry as stored. A width or height byte of 0 stands for 256.
struct IconDirEntry {
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::uint8_t colorCount = 0;
    std::uint8_t reserved = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t imageOffset = 0;

    int pixelWidth() const { return width == 0 ? 256 : width; }
    int pixelHeight() const { return height == 0 ? 256 : height; }
};

// A seekable, growable byte buffer; reading past its end raises ReadError.
class TIconStream {
public:
    std::uint64_t size() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    std::uint64_t position() const { return pos_; }
    void seek(std::uint64_t pos) { pos_ = pos; }
    void clear() {
        bytes_.clear();
        pos_ = 0;
    }
    void write(std::span<const std::uint8_t> data);
    void read(std::span<std::uint8_t> out);

    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::vector<std::uint8_t>& buffer() { return bytes_; }
    ByteReader reader() const { return ByteReader(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t pos_ = 0;
};

// The image count at offset 4; 0 for an empty stream.
int ImageCount(const TIconStream& stream);
// Directory entry i, read in place (ReadError when it lies outside the stream).
IconDirEntry DirEntry(const TIconStream& stream, int index);
// The fields that icon-file entries and group-resource entries share: their first 12
// bytes (width to image size). The image offset is left 0.
IconDirEntry ReadCommonEntryFields(const ByteReader& r, std::uint64_t off);
// Stores entry i back into the stream's directory.
void SetDirEntry(TIconStream& stream, int index, const IconDirEntry& entry);

// True when the header, every directory entry and every image range lie inside the stream
// and there is at least one image. Anything else is treated as an unreadable group.
bool IsReadableIconStream(const TIconStream& stream);

// A private copy of image i's bytes.
std::vector<std::uint8_t> ReadIconImage(const TIconStream& stream, int index);

// True for a cursor group (type 2): its entries hold each image's hot spot (x, y) where an
// icon's hold planes and bit count.
bool IsCursorStream(const TIconStream& stream);
// "cur" for a cursor group, else "ico": the extension of the file the group is written as.
const char* IconFileExtension(const TIconStream& stream);
// Image i's bit count: the directory's, or for a cursor the image header's.
int ListedBitCount(const TIconStream& stream, int index);
// Directory entry i with ListedBitCount in place of its bit count: what colour work goes by.
IconDirEntry EntryWithImageBitCount(const TIconStream& stream, int index);

// Fills each bit count word that reads 0 from the image header's bit count. A cursor group
// is left as it is.
void FillMissingBitCounts(TIconStream& stream);

// Serialises entries into the 16-byte layout.
void AppendDirEntry(std::vector<std::uint8_t>& out, const IconDirEntry& entry);
// Type 1 for an icon file, 2 for a cursor file.
void AppendIconHeader(std::vector<std::uint8_t>& out, std::uint16_t count, std::uint16_t type = 1);

}  // namespace zorvane

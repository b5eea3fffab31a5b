#include "core/icon_image.h"

#include "core/bitmap_ex.h"
#include "core/bitmap_file.h"
#include "core/le_bytes.h"

namespace zorvane {

bool IsIconDepth(unsigned b) { return b == 1 || b == 4 || b == 8 || b == 24 || b == 32; }

std::uint32_t ColorTableEntries(unsigned b) { return b <= 8 ? 1u << b : 0; }

std::uint32_t HalveHeightField(std::span<std::uint8_t> image) {
    const std::uint32_t field = ByteReader(image).u32le(kHeightFieldOffset);
    SetHeightField(image, field >> 1);
    return field;
}

void SetHeightField(std::span<std::uint8_t> image, std::uint32_t value) {
    ByteReader(image).bytes(kHeightFieldOffset, 4);
    PutU32le(image.data() + kHeightFieldOffset, value);
}

namespace {

// A header too short to hold its sides is left to the DIB reader and its messages.
void CheckIconSides(const ByteReader& header) {
    if (!header.has(0, kHeightFieldOffset + 4)) return;
    const std::int64_t width = static_cast<std::int32_t>(header.u32le(kWidthOffset));
    const std::int64_t height = static_cast<std::int32_t>(header.u32le(kHeightFieldOffset));
    if (width > kMaxIconSide || height > kMaxIconSide || -height > kMaxIconSide) throw BitmapTooLarge();
}

}  // namespace

Bitmap DecodeDIBData(std::span<const std::uint8_t> data, unsigned bitCount) {
    if (data.size() > 0xFFFFFFFFu - kBitmapFileHeaderSize) throw ReadError();
    CheckIconSides(ByteReader(data));
    std::vector<std::uint8_t> file;
    file.reserve(kBitmapFileHeaderSize + data.size());
    AppendBitmapFileHeader(file, static_cast<std::uint32_t>(data.size() + kBitmapFileHeaderSize),
                           kBitmapFileHeaderSize + kIconHeaderBytes + 4 * ColorTableEntries(bitCount));
    file.insert(file.end(), data.begin(), data.end());
    ByteReader stream(file);
    TBitmapEx bitmap;
    bitmap.LoadFromStream(stream);
    return bitmap;
}

}  // namespace zorvane

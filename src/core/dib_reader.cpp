#include "core/dib_reader.h"

#include <algorithm>

namespace zorvane {
namespace {

constexpr std::uint16_t kBitmapFileType = 0x4D42;  // "BM"
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::int32_t kDefaultPelsPerMeter = 3780;

bool IsInfoDepth(unsigned b) { return b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32; }
bool IsCoreDepth(unsigned b) { return b == 1 || b == 4 || b == 8 || b == 24; }

// The old 12-byte header: 16-bit sizes and a table of 3-byte entries, turned into the
// 40-byte form with 4-byte entries.
void ReadCoreHeader(ByteReader& stream, TDIB& dib) {
    TBitmapInfoHeader& h = dib.header;
    h.width = stream.readU16le();
    h.height = stream.readU16le();
    h.planes = stream.readU16le();
    h.bitCount = stream.readU16le();
    if (!IsCoreDepth(h.bitCount)) throw EDIBUtilsError("TBigBitmap.LoadFromStream: Invalid BitCount");
    const unsigned entries = h.bitCount <= 8 ? 1u << h.bitCount : 0;
    for (unsigned i = 0; i < entries; ++i) {
        const auto rgb = stream.readBytes(3);
        dib.colorTable.insert(dib.colorTable.end(), {rgb[0], rgb[1], rgb[2], 0});
    }
    h.compression = kBiRgb;
    h.sizeImage = 0;
    h.xPelsPerMeter = h.yPelsPerMeter = kDefaultPelsPerMeter;
    h.clrUsed = entries;
    h.clrImportant = 0;
}

std::uint64_t ColorTableBytes(const TBitmapInfoHeader& h, std::uint32_t headerSize) {
    const std::uint64_t n = h.clrUsed;
    const std::uint64_t table = n > 256 ? 1024 : n * 4;
    // Bit-field masks follow a 40-byte header; larger headers hold them inside.
    return h.compression == kBiBitFields && headerSize == 40 ? table + 12 : table;
}

void ReadInfoHeader(ByteReader& stream, std::uint32_t headerSize, TDIB& dib) {
    const ByteReader rest(stream.readBytes(headerSize - 4));
    TBitmapInfoHeader& h = dib.header;
    h.width = rest.i32le(0);
    h.height = rest.i32le(4);
    h.planes = rest.u16le(8);
    h.bitCount = rest.u16le(10);
    h.compression = rest.u32le(12);
    h.sizeImage = rest.u32le(16);
    h.xPelsPerMeter = rest.i32le(20);
    h.yPelsPerMeter = rest.i32le(24);
    h.clrUsed = rest.u32le(28);
    h.clrImportant = rest.u32le(32);
    if (!IsInfoDepth(h.bitCount)) throw EDIBUtilsError("LoadDIBFromStream: Invalid BitCout");
    if (h.clrUsed == 0) h.clrUsed = h.bitCount <= 8 ? 1u << h.bitCount : 0;
    const auto table = stream.readBytes(ColorTableBytes(h, headerSize));
    dib.colorTable.assign(table.begin(), table.end());
    dib.paletteOffset = h.compression == kBiBitFields && headerSize == 40 ? 12 : 0;
    h.clrUsed = std::min<std::uint32_t>(h.clrUsed, 256);
}

}  // namespace

TDIB LoadDIBFromStream(ByteReader& stream) {
    const std::uint64_t start = stream.tell();
    const std::uint16_t type = stream.readU16le();
    const std::uint32_t fileSize = stream.readU32le();
    stream.skip(4);
    const std::uint32_t pixelOffset = stream.readU32le();
    if (type != kBitmapFileType) throw EDIBUtilsError("LoadDIBFromStream: File type is invalid");

    TDIB dib;
    const std::uint32_t headerSize = stream.readU32le();
    if (headerSize < 40) {
        if (headerSize != kCoreHeaderSize) throw EDIBUtilsError("LoadDIBFromStream: Invalid Bitmap Header Size");
        ReadCoreHeader(stream, dib);
    } else {
        ReadInfoHeader(stream, headerSize, dib);
    }
    dib.header.size = 40;
    if (dib.header.width < 0) throw EDIBUtilsError("LoadDIBFromStream: Invalid Bitmap Width");

    // A pixel offset beyond the file size leaves no pixel data: the stream ends there.
    if (fileSize < pixelOffset) throw ReadError();
    stream.seek(start + pixelOffset);
    const auto bits = stream.readBytes(fileSize - pixelOffset);
    dib.bits.assign(bits.begin(), bits.end());
    return dib;
}

}  // namespace zorvane

#include "encoders/png_header.h"

#include <array>
#include <algorithm>

#include "bitmap/bitmap.h"
#include "encoders/png_error.h"
#include "platform/byte_reader.h"

namespace zorvane {

int PngHeader::channels() const {
    switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
    }
}

int PngHeader::bitmapBits() const {
    if (colorType == 2 || colorType == 6) return 24;
    if (colorType == 4) return 8;
    return bitDepth == 2 ? 4 : std::min<int>(bitDepth, 8);
}

namespace {

void CheckColorTypeAndDepth(const PngHeader& h) {
    const int d = h.bitDepth;
    switch (h.colorType) {
    case 0:
        if (d != 1 && d != 2 && d != 4 && d != 8 && d != 16) throw EZNBPNG("Read Header(PNG): Error Bitdepth");
        return;
    case 4:
        if (d != 8 && d != 16) throw EZNBPNG("Read Header(PNG): not Use AlphaChannel");
        return;
    case 2:
    case 6:
        if (d != 8 && d != 16) throw EZNBPNG("Read Header(PNG): Error BitDepth");
        return;
    case 3:
        if (d != 1 && d != 2 && d != 4 && d != 8) throw EZNBPNG("Read Header(PNG): Error BitDepth");
        return;
    default: throw EZNBPNG("Read Header(PNG): Error ColorType");
    }
}

// A size read from a file must not become a huge allocation: the bitmap, the alpha plane
// and the two raw rows are all bounded before anything is allocated.
void CheckImageSize(const PngHeader& h) {
    constexpr std::uint64_t kMaxRawRow = std::uint64_t{1} << 26;
    const std::uint64_t w = h.width, ht = h.height;
    const bool fits = w >= 1 && ht >= 1 && w <= 0x7FFFFFFF && ht <= 0x7FFFFFFF &&
                      Bitmap::RowBytesFor(static_cast<int>(w), h.bitmapBits()) * ht <= kMaxBitmapBytes &&
                      Bitmap::RowBytesFor(static_cast<int>(w), 8) * ht <= kMaxBitmapBytes &&
                      h.rowBytes(w) + 1 <= kMaxRawRow;
    if (!fits) throw EZNBPNG("Read Header(PNG): Error ImageSize");
}

}  // namespace

PngHeader ParsePngHeader(std::span<const std::uint8_t> data) {
    std::array<std::uint8_t, 13> bytes{};
    std::copy_n(data.begin(), std::min<std::size_t>(data.size(), bytes.size()), bytes.begin());
    const ByteReader r(bytes);
    PngHeader h;
    h.width = r.u32be(0);
    h.height = r.u32be(4);
    h.bitDepth = r.u8(8);
    h.colorType = r.u8(9);
    CheckColorTypeAndDepth(h);
    if (r.u8(10) >= 2) throw EZNBPNG("Read Header(PNG): not support Compression");
    if (r.u8(11) >= 2) throw EZNBPNG("Read Header(PNG): not supprt Filter");
    h.interlace = r.u8(12);
    if (h.interlace >= 2) throw EZNBPNG("Read Header(PNG): not interlace type");
    CheckImageSize(h);
    return h;
}

}  // namespace zorvane

#include "core/bitmap_ex.h"

#include <cstdlib>
#include <cstring>

namespace zorvane {
namespace {

std::vector<Rgb> PaletteOf(const TDIB& dib) {
    const ByteReader table(dib.colorTable);
    std::vector<Rgb> palette(dib.header.clrUsed);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint64_t off = dib.paletteOffset + 4 * i;
        palette[i] = {table.u8(off + 2), table.u8(off + 1), table.u8(off)};
    }
    return palette;
}

}  // namespace

Bitmap BitmapFromDIB(TDIB dib) {
    if (dib.header.compression == kBiRle4) Convert4BitRLETo4BitRGB(dib);
    if (dib.header.compression == kBiRle8) Convert8BitRLETo8BitRGB(dib);
    const TBitmapInfoHeader& h = dib.header;
    const long long height = std::llabs(static_cast<long long>(h.height));
    if (height > 0x7FFFFFFF) throw BitmapTooLarge();
    // No pixels, whatever the other side claims: an empty bitmap, not millions of empty rows.
    if (h.width == 0 || height == 0) return Bitmap(0, 0, h.bitCount);
    // Rows the data cannot hold are a read past its end; find that out before allocating.
    const std::size_t rowBytes = Bitmap::RowBytesFor(h.width, h.bitCount);
    if (rowBytes > dib.bits.size() / static_cast<std::size_t>(height)) throw ReadError();
    Bitmap bitmap(h.width, static_cast<int>(height), h.bitCount);
    bitmap.palette() = PaletteOf(dib);
    const ByteReader bits(dib.bits);
    const std::size_t r = bitmap.rowBytes();
    for (int d = 0; d < bitmap.height(); ++d) {
        const int source = h.height > 0 ? bitmap.height() - 1 - d : d;
        const auto row = bits.bytes(static_cast<std::uint64_t>(source) * r, r);
        std::memcpy(bitmap.row(d), row.data(), r);
    }
    return bitmap;
}

void TBitmapEx::LoadFromStream(ByteReader& stream) {
    static_cast<Bitmap&>(*this) = BitmapFromDIB(LoadDIBFromStream(stream));
}

}  // namespace zorvane

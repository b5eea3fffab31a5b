#include "core/bitmap_file.h"

#include <algorithm>

#include "core/le_bytes.h"
#include "platform/file_io.h"

namespace zorvane {
namespace {

// Indexed bitmaps carry their palette, at most 2^depth entries; a bitmap without one gets
// black entries so that every index stays valid for a reader.
std::vector<Rgb> TableOf(const Bitmap& bitmap) {
    if (bitmap.bitsPerPixel() > 8) return {};
    const std::size_t full = std::size_t{1} << bitmap.bitsPerPixel();
    std::vector<Rgb> table = bitmap.palette();
    if (table.empty()) table.resize(full);
    table.resize(std::min(table.size(), full));
    return table;
}

std::uint32_t CheckedFileSize(std::uint64_t size) {
    if (size > 0xFFFFFFFFu) throw BitmapTooLarge();
    return static_cast<std::uint32_t>(size);
}

}  // namespace

void AppendBitmapFileHeader(std::vector<std::uint8_t>& out, std::uint32_t fileSize, std::uint32_t pixelOffset) {
    out.push_back('B');
    out.push_back('M');
    AppendU32le(out, fileSize);
    AppendU32le(out, 0);
    AppendU32le(out, pixelOffset);
}

void AppendInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel, std::uint32_t imageBytes,
                      std::uint32_t colorsUsed) {
    AppendU32le(out, kBitmapInfoHeaderSize);
    AppendU32le(out, static_cast<std::uint32_t>(width));
    AppendU32le(out, static_cast<std::uint32_t>(height));
    AppendU16le(out, 1);
    AppendU16le(out, static_cast<std::uint32_t>(bitsPerPixel));
    AppendU32le(out, 0);  // no compression
    AppendU32le(out, imageBytes);
    AppendU32le(out, 0);
    AppendU32le(out, 0);
    AppendU32le(out, colorsUsed);
    AppendU32le(out, 0);
}

void AppendRowsBottomUp(std::vector<std::uint8_t>& out, const Bitmap& bitmap) {
    for (int y = bitmap.height() - 1; y >= 0; --y)
        out.insert(out.end(), bitmap.row(y), bitmap.row(y) + bitmap.rowBytes());
}

std::vector<std::uint8_t> EncodeBitmapFile(const Bitmap& bitmap) {
    const std::vector<Rgb> table = TableOf(bitmap);
    const std::uint64_t pixelOffset = kBitmapFileHeaderSize + kBitmapInfoHeaderSize + 4 * table.size();
    const std::uint32_t fileSize = CheckedFileSize(pixelOffset + bitmap.pixels().size());
    std::vector<std::uint8_t> out;
    out.reserve(fileSize);
    AppendBitmapFileHeader(out, fileSize, static_cast<std::uint32_t>(pixelOffset));
    AppendInfoHeader(out, bitmap.width(), bitmap.height(), bitmap.bitsPerPixel(),
                     static_cast<std::uint32_t>(bitmap.pixels().size()), static_cast<std::uint32_t>(table.size()));
    for (const Rgb& c : table) out.insert(out.end(), {c.blue, c.green, c.red, 0});
    AppendRowsBottomUp(out, bitmap);
    return out;
}

void SaveBitmapFile(const Bitmap& bitmap, const std::string& path) {
    WriteFileReplacing(path, EncodeBitmapFile(bitmap));
}

}  // namespace zorvane

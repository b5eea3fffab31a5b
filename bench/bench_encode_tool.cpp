// Whole-process counterpart of the encoder benchmarks: reads an uncompressed 24- or 32-bit
// bitmap file and writes it as PNG or GIF the way the save commands do.

#include <cstring>
#include <iostream>
#include <string>

#include "core/dib_reader.h"
#include "encoders/save_encoding.h"
#include "platform/file_io.h"

namespace {

zorvane::Bitmap ReadBitmapFile(const std::string& path) {
    const std::vector<std::uint8_t> data = zorvane::ReadWholeFile(path);
    zorvane::ByteReader reader(data);
    const zorvane::TDIB dib = zorvane::LoadDIBFromStream(reader);
    const auto& h = dib.header;
    if ((h.bitCount != 24 && h.bitCount != 32) || h.compression != zorvane::kBiRgb || h.width <= 0)
        throw std::runtime_error("only uncompressed 24- or 32-bit bitmaps");
    const bool bottomUp = h.height > 0;
    const int height = bottomUp ? h.height : -h.height;
    zorvane::Bitmap bitmap(h.width, height, h.bitCount);
    const zorvane::ByteReader bits(dib.bits);
    for (int y = 0; y < height; ++y) {
        const std::uint64_t stored = static_cast<std::uint64_t>(bottomUp ? height - 1 - y : y);
        const auto row = bits.bytes(stored * bitmap.rowBytes(), bitmap.rowBytes());
        std::memcpy(bitmap.row(y), row.data(), row.size());
    }
    return bitmap;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: bench_encode IN.bmp OUT.png|OUT.gif\n";
        return 2;
    }
    try {
        const zorvane::Bitmap bitmap = ReadBitmapFile(argv[1]);
        const std::string out = argv[2];
        const bool gif = out.size() > 4 && out.compare(out.size() - 4, 4, ".gif") == 0;
        zorvane::WriteFileReplacing(out, gif ? zorvane::EncodeGifForSave(bitmap, false)
                                             : zorvane::EncodePngForSave(bitmap, false));
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}

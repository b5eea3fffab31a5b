#include "encoders/png_image_data.h"

#include <algorithm>
#include <cstring>

#include "encoders/png_error.h"

namespace zorvane {

namespace {
const char kReadError[] = "Read Image (PNG): Read Error";
constexpr std::uint64_t kChunkHeader = 8, kCrc = 4;
}  // namespace

PngImageData::PngImageData(ByteReader& file, std::uint64_t length)
    : file_(file), left_(length), chunkEnd_(file.tell() + length + kCrc) {
    if (inflateInit(&stream_) != Z_OK) throw EZNBPNG("PNG LoadStream: Error ZLIB");
}

PngImageData::~PngImageData() { inflateEnd(&stream_); }

void PngImageData::NextChunk() {
    // Past the rest of this chunk and its CRC to the next chunk's header.
    if (!file_.has(chunkEnd_, kChunkHeader)) throw EZNBPNG(kReadError);
    file_.seek(chunkEnd_);
    const std::uint32_t length = file_.readU32be();
    const auto type = file_.readBytes(4);
    if (std::memcmp(type.data(), "IDAT", 4) != 0) throw EZNBPNG(kReadError);
    left_ = length;
    chunkEnd_ = file_.tell() + length + kCrc;
}

void PngImageData::Read(std::span<std::uint8_t> out) {
    stream_.next_out = out.data();
    stream_.avail_out = static_cast<uInt>(out.size());
    while (stream_.avail_out > 0) {
        if (stream_.avail_in == 0) {
            while (left_ == 0) NextChunk();
            const std::uint64_t take = std::min<std::uint64_t>({left_, file_.remaining(), 1u << 30});
            if (take == 0) throw EZNBPNG(kReadError);  // the data end inside the image
            const auto bytes = file_.readBytes(take);
            left_ -= take;
            stream_.next_in = const_cast<Bytef*>(bytes.data());
            stream_.avail_in = static_cast<uInt>(take);
        }
        const int result = inflate(&stream_, Z_NO_FLUSH);
        if (result == Z_STREAM_END && stream_.avail_out > 0) throw EZNBPNG(kReadError);
        if (result != Z_OK && result != Z_STREAM_END) throw EZNBPNG(kReadError);
    }
}

}  // namespace zorvane

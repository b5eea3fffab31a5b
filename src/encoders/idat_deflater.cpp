#include "encoders/idat_deflater.h"

#include "encoders/png_error.h"

namespace zorvane {

namespace {
const char kWriteError[] = "Write Image (PNG): Write Error";
}

IdatDeflater::IdatDeflater(int level, std::size_t idatSize, ChunkSink sink)
    : buffer_(idatSize), sink_(std::move(sink)) {
    if (level < 0 || level > 9) level = Z_DEFAULT_COMPRESSION;
    if (deflateInit(&stream_, level) != Z_OK) throw EZNBPNG(kWriteError);
    stream_.next_out = buffer_.data();
    stream_.avail_out = static_cast<uInt>(buffer_.size());
}

IdatDeflater::~IdatDeflater() { deflateEnd(&stream_); }

std::size_t IdatDeflater::Bound(std::size_t inputBytes) {
    return deflateBound(&stream_, static_cast<uLong>(inputBytes));
}

void IdatDeflater::EmitIfFull() {
    if (stream_.avail_out != 0) return;
    sink_(buffer_);
    stream_.next_out = buffer_.data();
    stream_.avail_out = static_cast<uInt>(buffer_.size());
}

void IdatDeflater::Feed(std::span<const std::uint8_t> bytes) {
    stream_.next_in = const_cast<Bytef*>(bytes.data());
    stream_.avail_in = static_cast<uInt>(bytes.size());
    while (stream_.avail_in > 0) {
        if (deflate(&stream_, Z_NO_FLUSH) < 0) throw EZNBPNG(kWriteError);
        EmitIfFull();
    }
}

void IdatDeflater::Finish() {
    stream_.avail_in = 0;
    for (;;) {
        const int result = deflate(&stream_, Z_FINISH);
        if (result < 0) throw EZNBPNG(kWriteError);
        EmitIfFull();
        if (result == Z_STREAM_END) break;
    }
    const std::size_t left = buffer_.size() - stream_.avail_out;
    if (left > 0) sink_({buffer_.data(), left});
}

}  // namespace zorvane

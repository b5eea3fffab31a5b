#pragma once
// Inflates the image data of a PNG being read, following it from one IDAT chunk into the
// next. Every byte comes from the bounds-checked reader; running out is a read error.

#include <cstdint>
#include <span>

#include <zlib.h>

#include "platform/byte_reader.h"

namespace zorvane {

class PngImageData {
public:
    // file is positioned at the data of the first IDAT chunk, which holds length bytes.
    PngImageData(ByteReader& file, std::uint64_t length);
    ~PngImageData();
    PngImageData(const PngImageData&) = delete;
    PngImageData& operator=(const PngImageData&) = delete;

    // Fills out completely or raises EZNBPNG.
    void Read(std::span<std::uint8_t> out);

    // The most bytes the rest of the file could inflate to. Deflate spends at least two bits
    // on a run of at most 258 bytes, so no stream grows more than 1032-fold.
    std::uint64_t MostInflatable() const { return (file_.remaining() + stream_.avail_in + 1) * 1032; }

    // The offset just past the CRC of the IDAT chunk being read.
    std::uint64_t chunkEnd() const { return chunkEnd_; }

private:
    void NextChunk();

    ByteReader& file_;
    z_stream stream_{};
    std::uint64_t left_ = 0;  // unread data bytes of the current chunk
    std::uint64_t chunkEnd_ = 0;
};

}  // namespace zorvane

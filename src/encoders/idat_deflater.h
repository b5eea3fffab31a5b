#pragma once
// Deflates the filtered rows and hands the compressed data out in pieces of exactly the
// IDAT size; only the last piece may be shorter.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include <zlib.h>

namespace zorvane {

class IdatDeflater {
public:
    using ChunkSink = std::function<void(std::span<const std::uint8_t>)>;

    // level outside 0..9 means zlib's default.
    IdatDeflater(int level, std::size_t idatSize, ChunkSink sink);
    ~IdatDeflater();
    IdatDeflater(const IdatDeflater&) = delete;
    IdatDeflater& operator=(const IdatDeflater&) = delete;

    // The most compressed bytes that input of that size can give.
    std::size_t Bound(std::size_t inputBytes);

    // Both raise EZNBPNG when deflate fails.
    void Feed(std::span<const std::uint8_t> bytes);
    void Finish();

private:
    void EmitIfFull();

    z_stream stream_{};
    std::vector<std::uint8_t> buffer_;
    ChunkSink sink_;
};

}  // namespace zorvane

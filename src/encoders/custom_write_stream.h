#pragma once
// Buffered big-endian output. Chunk headers and CRCs are tiny writes; gathering them in a
// 64 KiB buffer lets the destination see large blocks only.

#include <cstdint>
#include <span>
#include <vector>

namespace zorvane {

class TZNBCustomWriteStream {
public:
    static constexpr std::size_t kBufferSize = 65536;

    explicit TZNBCustomWriteStream(std::vector<std::uint8_t>& destination);
    TZNBCustomWriteStream(const TZNBCustomWriteStream&) = delete;
    TZNBCustomWriteStream& operator=(const TZNBCustomWriteStream&) = delete;

    void WriteU32(std::uint32_t value);
    void Write(std::span<const std::uint8_t> block);
    void Flush();

private:
    std::vector<std::uint8_t>& destination_;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
};

}  // namespace zorvane

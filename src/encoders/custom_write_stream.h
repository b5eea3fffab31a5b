#pragma once
// Big-endian output appended straight to the destination bytes, which grow in place: the
// encoder reserves what it expects to write, so even tiny writes are plain copies.

#include <cstdint>
#include <span>
#include <vector>

namespace zorvane {

class TZNBCustomWriteStream {
public:
    explicit TZNBCustomWriteStream(std::vector<std::uint8_t>& destination);
    TZNBCustomWriteStream(const TZNBCustomWriteStream&) = delete;
    TZNBCustomWriteStream& operator=(const TZNBCustomWriteStream&) = delete;

    void WriteU32(std::uint32_t value);
    void Write(std::span<const std::uint8_t> block);
    // Room for that many more bytes, so the destination is not moved while it grows.
    void Reserve(std::size_t more);

private:
    std::vector<std::uint8_t>& destination_;
};

}  // namespace zorvane

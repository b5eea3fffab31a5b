#include "encoders/custom_write_stream.h"

#include <cstring>

namespace zorvane {

namespace {
// Blocks this large bypass the buffer.
constexpr std::size_t kDirectWriteSize = 65520;
}  // namespace

TZNBCustomWriteStream::TZNBCustomWriteStream(std::vector<std::uint8_t>& destination)
    : destination_(destination), buffer_(kBufferSize) {}

void TZNBCustomWriteStream::WriteU32(std::uint32_t value) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                               static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    Write(b);
}

void TZNBCustomWriteStream::Write(std::span<const std::uint8_t> block) {
    if (block.empty()) return;
    if (block.size() >= kDirectWriteSize) {
        Flush();
        destination_.insert(destination_.end(), block.begin(), block.end());
        return;
    }
    if (used_ + block.size() >= kBufferSize) Flush();
    std::memcpy(buffer_.data() + used_, block.data(), block.size());
    used_ += block.size();
}

void TZNBCustomWriteStream::Flush() {
    destination_.insert(destination_.end(), buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(used_));
    used_ = 0;
}

}  // namespace zorvane

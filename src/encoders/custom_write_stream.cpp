#include "encoders/custom_write_stream.h"

namespace zorvane {

TZNBCustomWriteStream::TZNBCustomWriteStream(std::vector<std::uint8_t>& destination) : destination_(destination) {}

void TZNBCustomWriteStream::WriteU32(std::uint32_t value) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                               static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    Write(b);
}

void TZNBCustomWriteStream::Write(std::span<const std::uint8_t> block) {
    destination_.insert(destination_.end(), block.begin(), block.end());
}

void TZNBCustomWriteStream::Reserve(std::size_t more) { destination_.reserve(destination_.size() + more); }

}  // namespace zorvane

#pragma once
// The signatures that tell a DOS stub and the module header behind it.

#include <cstdint>

namespace zorvane {

constexpr std::uint16_t kDosSignature = 0x5A4D;     // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kNeSignature = 0x454E;      // "NE"

}  // namespace zorvane

#pragma once
// Small text helpers shared by the settings file, the colour names and the scanner.
// Names in these files are ASCII where case matters, so case folding is ASCII only.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

std::string AsciiLower(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string_view TrimSpaces(std::string_view text);

// Lines ended by CR LF, a lone CR or a lone LF; views into text.
std::vector<std::string_view> SplitLines(std::string_view text);

// A 32-bit integer as the settings file writes it: decimal with an optional sign, or
// hexadecimal after "$" or "0x" (up to eight digits, so "$FFFFFFFF" is -1).
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace zorvane

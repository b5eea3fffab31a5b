#pragma once
// Colours as the settings file writes them: a name for the named colours, otherwise "$"
// and eight hexadecimal digits 00BBGGRR. Values use the interface's colour notation
// (red in the low byte); the system colours are 0x80000000 plus their index.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// The name when the value is a named plain or system colour, else "$00BBGGRR".
std::string ColorToText(std::int32_t color);

// Accepts the names (any case) and integers as the settings file reads them; nothing for
// any other text.
std::optional<std::int32_t> TextToColor(std::string_view text);

// A system colour replaced by the value it has on this platform's classic scheme; other
// values unchanged.
std::int32_t ResolveSystemColor(std::int32_t color);

constexpr std::int32_t kWhiteColor = 0x00FFFFFF;

}  // namespace zorvane

#pragma once
// Colours as the user interface writes them (red in the low byte, then green, then blue;
// -1 for no colour) and as palettes hold them (one byte per channel).

#include <cstdint>

namespace zorvane {

using TColor = std::int32_t;
constexpr TColor kNoColor = -1;

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr TColor ToTColor(Rgb c) { return c.red | (c.green << 8) | (c.blue << 16); }
constexpr Rgb FromTColor(TColor c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

}  // namespace zorvane

#pragma once
// The options of a PNG graphic; the encoder takes a copy of them for each save.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "bitmap/bitmap.h"

namespace zorvane {

struct TPngTime {
    std::uint16_t year = 0;
    std::uint8_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    friend bool operator==(const TPngTime&, const TPngTime&) = default;
};

// Where "now" comes from; tests pass a fixed clock.
using PngClock = std::function<TPngTime()>;
TPngTime SystemUtcTime();

// A colour with this high byte holds a palette index in its low byte.
constexpr std::uint32_t kPaletteIndexMark = 0x01000000;
constexpr TColor PaletteIndexColor(std::uint8_t index) { return static_cast<TColor>(kPaletteIndexMark | index); }

struct TGifControl {
    std::uint8_t disposal = 0;
    std::uint8_t userInput = 0;
    std::uint16_t delay = 0;
};

enum TPngFilterMode : std::uint8_t {
    kFilterAdaptive = 0,
    kFilterNone = 1,
    kFilterSub = 2,
    kFilterUp = 3,
    kFilterAverage = 4,
    kFilterPaeth = 5,
};

struct TZNBPNGOptions {
    std::int32_t IdatSize = 32768;
    std::int32_t CompressionLevel = -1;
    std::uint8_t FilterMode = kFilterNone;
    bool Interlaced = false;
    // Kept for what a loaded file says; the writer produces colour output only.
    bool Grayscale = false;
    std::string Comment;
    TColor BackgroundColor = kNoColor;
    TColor TransparentColor = kNoColor;
    double Gamma = 0.45455;
    // Red, green, blue, alpha in the bytes from low to high; 0 writes no sBIT.
    std::int32_t SignificantBits = 0;
    std::uint8_t PhysicalUnit = 0;  // 0 unknown, 1 metre, 2 inch
    std::int32_t PixelsPerUnitX = 0, PixelsPerUnitY = 0;
    bool UseCurrentTime = true;
    TPngTime StoredTime;
    // White x, white y, red x, red y, green x, green y, blue x, blue y, each times 100000.
    std::array<std::int32_t, 8> Chromaticities{};
    TGifControl GifControl;
};

}  // namespace zorvane

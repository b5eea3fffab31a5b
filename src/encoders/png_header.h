#pragma once
// The IHDR of a PNG being read: its checks and the bitmap it turns into.

#include <cstdint>
#include <span>

namespace zorvane {

struct PngHeader {
    std::uint32_t width = 0, height = 0;
    std::uint8_t bitDepth = 0, colorType = 0, interlace = 0;

    bool hasAlpha() const { return (colorType & 4) != 0; }
    bool grey() const { return (colorType & 2) == 0 && colorType != 3; }
    int channels() const;
    int pixelBits() const { return bitDepth * channels(); }
    std::uint64_t rowBytes(std::uint64_t pixels) const {
        return (pixels * static_cast<std::uint64_t>(pixelBits()) + 7) / 8;
    }
    // The bits per pixel of the bitmap that holds the image.
    int bitmapBits() const;
};

// Reads and checks the 13 header bytes (short data count as zeros); raises EZNBPNG.
PngHeader ParsePngHeader(std::span<const std::uint8_t> data);

}  // namespace zorvane

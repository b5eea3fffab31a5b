#pragma once
// The raster image that the icon core and the encoders exchange: rows top-down, each
// padded to 32 bits; 24-bit pixels blue, green, red; 32-bit pixels blue, green, red, fourth
// byte. Copying a Bitmap copies its pixels.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "bitmap/color.h"
#include "bitmap/texts.h"
#include "platform/refusal.h"

namespace zorvane {

// Pixel buffers above this size are refused: no icon or export needs more, and a size
// read from a hostile file must not turn into a huge allocation.
constexpr std::uint64_t kMaxBitmapBytes = std::uint64_t{1} << 28;

class BitmapTooLarge : public Refusal {
public:
    BitmapTooLarge() : Refusal(kBitmapFailedMessage) {}
};

class Bitmap {
public:
    Bitmap() = default;
    // A zero-filled bitmap; throws BitmapTooLarge beyond kMaxBitmapBytes and
    // std::invalid_argument for a depth other than 1, 4, 8, 16, 24, 32 or negative sizes.
    Bitmap(int width, int height, int bitsPerPixel);

    static bool ValidDepth(int bitsPerPixel);
    static std::size_t RowBytesFor(int width, int bitsPerPixel) {
        return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
    }

    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bpp_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    std::size_t rowBytes() const { return rowBytes_; }

    std::uint8_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * rowBytes_; }
    const std::uint8_t* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * rowBytes_; }
    std::vector<std::uint8_t>& pixels() { return pixels_; }
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }

    // Up to 256 entries for indexed depths.
    std::vector<Rgb>& palette() { return palette_; }
    const std::vector<Rgb>& palette() const { return palette_; }

    // Palette index of a pixel of an indexed bitmap (1, 4 or 8 bits).
    std::uint8_t pixelIndex(int x, int y) const;
    void setPixelIndex(int x, int y, std::uint8_t index);
    // The colour of a pixel at any depth (indexed through the palette; 16 bits as 5-5-5).
    Rgb pixelColor(int x, int y) const;

    bool transparent() const { return transparent_; }
    void setTransparent(bool on) { transparent_ = on; }
    // The transparent colour: the one set, or by default the bottom-left pixel's colour.
    TColor transparentColor() const;
    void setTransparentColor(TColor color) { transparentColor_ = color; }

private:
    int width_ = 0, height_ = 0, bpp_ = 24;
    std::size_t rowBytes_ = 0;
    std::vector<std::uint8_t> pixels_;
    std::vector<Rgb> palette_;
    bool transparent_ = false;
    TColor transparentColor_ = kNoColor;
};

}  // namespace zorvane

#include "bitmap/bitmap.h"

namespace zorvane {

bool Bitmap::ValidDepth(int bpp) { return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32; }

Bitmap::Bitmap(int width, int height, int bitsPerPixel) {
    if (!ValidDepth(bitsPerPixel) || width < 0 || height < 0) throw std::invalid_argument("bad bitmap geometry");
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel) + 31) /
                                   32 * 4;
    if (height != 0 && rowBytes > kMaxBitmapBytes / static_cast<std::uint64_t>(height)) throw BitmapTooLarge();
    width_ = width;
    height_ = height;
    bpp_ = bitsPerPixel;
    rowBytes_ = static_cast<std::size_t>(rowBytes);
    pixels_.assign(rowBytes_ * static_cast<std::size_t>(height), 0);
}

std::uint8_t Bitmap::pixelIndex(int x, int y) const {
    const std::uint8_t* r = row(y);
    switch (bpp_) {
    case 1: return (r[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (x & 1) ? (r[x >> 1] & 0x0F) : (r[x >> 1] >> 4);
    case 8: return r[x];
    default: return 0;
    }
}

void Bitmap::setPixelIndex(int x, int y, std::uint8_t index) {
    std::uint8_t* r = row(y);
    switch (bpp_) {
    case 1: {
        const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
        r[x >> 3] = static_cast<std::uint8_t>((index & 1) ? (r[x >> 3] | bit) : (r[x >> 3] & ~bit));
        break;
    }
    case 4:
        if (x & 1)
            r[x >> 1] = static_cast<std::uint8_t>((r[x >> 1] & 0xF0) | (index & 0x0F));
        else
            r[x >> 1] = static_cast<std::uint8_t>((r[x >> 1] & 0x0F) | (index << 4));
        break;
    case 8: r[x] = index; break;
    default: break;
    }
}

Rgb Bitmap::pixelColor(int x, int y) const {
    const std::uint8_t* r = row(y);
    switch (bpp_) {
    case 1:
    case 4:
    case 8: {
        const std::uint8_t i = pixelIndex(x, y);
        return i < palette_.size() ? palette_[i] : Rgb{};
    }
    case 16: {
        const unsigned v = r[2 * x] | (r[2 * x + 1] << 8);
        auto expand = [](unsigned c) { return static_cast<std::uint8_t>((c << 3) | (c >> 2)); };
        return {expand((v >> 10) & 31), expand((v >> 5) & 31), expand(v & 31)};
    }
    case 24: return {r[3 * x + 2], r[3 * x + 1], r[3 * x]};
    default: return {r[4 * x + 2], r[4 * x + 1], r[4 * x]};
    }
}

TColor Bitmap::transparentColor() const {
    if (transparentColor_ != kNoColor || empty()) return transparentColor_;
    return ToTColor(pixelColor(0, height_ - 1));
}

}  // namespace zorvane

#include "core/icon_compositor.h"

#include <algorithm>
#include <cstring>

#include "bitmap/pixel_formats.h"
#include "core/icon_image.h"
#include "core/png_icon_image.h"
#include "platform/byte_reader.h"

namespace zorvane {
namespace {

constexpr std::uint64_t kHeaderBytes = 40;

std::uint64_t RowBytes(std::uint64_t width, std::uint64_t bits) { return (width * bits + 31) / 32 * 4; }

void PutU16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void PutU32(std::uint8_t* p, std::uint32_t v) {
    PutU16(p, v & 0xFFFF);
    PutU16(p + 2, v >> 16);
}

// The mask rows as a 1-bit bitmap of their own: the image's header rewritten for one bit
// per pixel with a black and white table, then the rows behind the colour image.
std::vector<std::uint8_t> MaskData(const std::vector<std::uint8_t>& image, unsigned bitCount) {
    const ByteReader reader(image);
    const std::uint64_t width = static_cast<std::uint32_t>(reader.i32le(4));
    const std::uint64_t height = reader.u32le(8);
    // Sizes no icon has would only overflow the row arithmetic below.
    if (width > 0x10000 || height > 0x10000) throw ReadError();
    const std::uint64_t colorStart = kHeaderBytes + 4ull * ColorTableEntries(bitCount);
    const std::uint64_t colorBytes = RowBytes(width, bitCount) * height;
    const std::uint64_t maskBytes = RowBytes(width, 1) * height;
    const auto rows = reader.bytes(colorStart + colorBytes, maskBytes);

    std::vector<std::uint8_t> mask(image.begin(), image.begin() + kHeaderBytes);
    PutU16(&mask[14], 1);
    PutU32(&mask[16], 0);
    PutU32(&mask[20], static_cast<std::uint32_t>(maskBytes));
    PutU32(&mask[32], 2);
    PutU32(&mask[36], 2);
    const std::uint8_t table[8] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
    mask.insert(mask.end(), table, table + 8);
    mask.insert(mask.end(), rows.begin(), rows.end());
    return mask;
}

bool AnyAlpha(const Bitmap& bitmap) {
    if (bitmap.bitsPerPixel() != 32) return false;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            if (bitmap.row(y)[4 * x + 3] != 0) return true;
    return false;
}

bool MaskBit(const Bitmap& mask, int x, int y) { return (mask.row(y)[x >> 3] >> (7 - (x & 7))) & 1; }

std::uint8_t Blend(std::uint8_t over, std::uint8_t under, unsigned alpha) {
    return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

// Maps target coordinates first .. first + count - 1 to their nearest source coordinates.
std::vector<int> NearestMap(int target, int source, int first = 0, int count = -1) {
    std::vector<int> map(static_cast<std::size_t>(count < 0 ? target : count));
    for (std::size_t i = 0; i < map.size(); ++i)
        map[i] = static_cast<int>((first + static_cast<std::int64_t>(i)) * source / target);
    return map;
}

Bitmap StretchMonochrome(const Bitmap& source, int width, int height) {
    Bitmap out(width, height, 1);
    out.palette() = {Rgb{0, 0, 0}, Rgb{255, 255, 255}};
    const auto xs = NearestMap(width, source.width()), ys = NearestMap(height, source.height());
    const Rgb white{255, 255, 255};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.setPixelIndex(x, y,
                              source.pixelColor(xs[static_cast<std::size_t>(x)], ys[static_cast<std::size_t>(y)]) ==
                                  white);
    return out;
}

// 32-bit to 32-bit, the part at (x0, y0) of the width x height stretch, a row at a time:
// target rows that take the same source row are copies.
Bitmap StretchColorPart(const Bitmap& source32, int width, int height, int x0, int y0, int partWidth, int partHeight) {
    Bitmap out(partWidth, partHeight, 32);
    const auto xs = NearestMap(width, source32.width(), x0, partWidth);
    const auto ys = NearestMap(height, source32.height(), y0, partHeight);
    for (int y = 0; y < partHeight; ++y) {
        std::uint32_t* dst = reinterpret_cast<std::uint32_t*>(out.row(y));
        if (y > 0 && ys[static_cast<std::size_t>(y)] == ys[static_cast<std::size_t>(y - 1)]) {
            std::memcpy(dst, out.row(y - 1), static_cast<std::size_t>(partWidth) * 4);
            continue;
        }
        const std::uint8_t* src = source32.row(ys[static_cast<std::size_t>(y)]);
        for (int x = 0; x < partWidth; ++x)
            std::memcpy(dst + x, src + 4 * static_cast<std::size_t>(xs[static_cast<std::size_t>(x)]), 4);
    }
    return out;
}

Bitmap StretchColor(const Bitmap& source32, int width, int height) {
    return StretchColorPart(source32, width, height, 0, 0, width, height);
}

}  // namespace

Bitmap StretchToSize(const Bitmap& source, int width, int height, bool monochrome) {
    if (width <= 0 || height <= 0) return Bitmap(0, 0, monochrome ? 1 : 32);
    if (source.empty()) return Bitmap(width, height, monochrome ? 1 : 32);
    if (monochrome) return StretchMonochrome(source, width, height);
    return StretchColor(To32Bit(source), width, height);
}

Bitmap StretchPartToSize(const Bitmap& source32, int width, int height, int x, int y, int partWidth, int partHeight) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int w = std::min(x + partWidth, width) - x0, h = std::min(y + partHeight, height) - y0;
    if (w <= 0 || h <= 0 || source32.empty()) return Bitmap(std::max(w, 0), std::max(h, 0), 32);
    return StretchColorPart(source32, width, height, x0, y0, w, h);
}

namespace {

// A PNG image carries its transparency as alpha; the mask marks where the alpha is 0.
IconBitmaps PngIconBitmaps(std::span<const std::uint8_t> image, int width, int height) {
    const Bitmap color = DecodePngIconImage(image);
    Bitmap mask(color.width(), color.height(), 1);
    mask.palette() = {Rgb{0, 0, 0}, Rgb{255, 255, 255}};
    for (int y = 0; y < color.height(); ++y)
        for (int x = 0; x < color.width(); ++x) mask.setPixelIndex(x, y, color.row(y)[4 * x + 3] == 0);
    IconBitmaps icon;
    icon.useAlpha = true;
    icon.color = StretchToSize(color, width, height, false);
    icon.mask = StretchToSize(mask, width, height, true);
    return icon;
}

}  // namespace

IconBitmaps CreateIconBitmaps(std::vector<std::uint8_t> image, int width, int height) {
    if (IsPngIconImage(image)) return PngIconBitmaps(image, width, height);
    const unsigned bitCount = ByteReader(image).u16le(14);
    if (!IsIconDepth(bitCount)) return {};
    HalveHeightField(image);
    const Bitmap color = DecodeDIBData(image, bitCount);
    const Bitmap mask = DecodeDIBData(MaskData(image, bitCount), 1);
    IconBitmaps icon;
    icon.useAlpha = AnyAlpha(color);
    icon.color = StretchToSize(color, width, height, false);
    icon.mask = StretchToSize(mask, width, height, true);
    return icon;
}

void DrawIcon(Bitmap& target, const IconBitmaps& icon, int x0, int y0) {
    const int w = std::min(icon.color.width(), target.width() - x0);
    const int h = std::min(icon.color.height(), target.height() - y0);
    for (int y = std::max(0, -y0); y < h; ++y) {
        const std::uint8_t* src = icon.color.row(y);
        std::uint8_t* dst = target.row(y0 + y);
        for (int x = std::max(0, -x0); x < w; ++x) {
            const std::uint8_t* s = src + 4 * x;
            std::uint8_t* d = dst + 4 * (x0 + x);
            const unsigned alpha = icon.useAlpha ? s[3] : (MaskBit(icon.mask, x, y) ? 0 : 255);
            for (int c = 0; c < 3; ++c) d[c] = Blend(s[c], d[c], alpha);
        }
    }
}

Bitmap IconToArgb(const IconBitmaps& icon) {
    Bitmap out(icon.color.width(), icon.color.height(), 32);
    for (int y = 0; y < out.height(); ++y) {
        const std::uint8_t* src = icon.color.row(y);
        std::uint8_t* dst = out.row(y);
        for (int x = 0; x < out.width(); ++x) {
            const std::uint8_t alpha = icon.useAlpha ? src[4 * x + 3] : (MaskBit(icon.mask, x, y) ? 0 : 255);
            if (alpha == 0) continue;
            std::memcpy(dst + 4 * x, src + 4 * x, 3);
            dst[4 * x + 3] = alpha;
        }
    }
    return out;
}

}  // namespace zorvane

#include "core/bitmap_transform.h"

#include <cstring>
#include <vector>

namespace zorvane {
namespace {

void CopyPixel(int bpp, const std::uint8_t* src, int sx, std::uint8_t* dst, int dx) {
    switch (bpp) {
    case 1: {
        const int bit = (src[sx >> 3] >> (7 - (sx & 7))) & 1;
        const auto mask = static_cast<std::uint8_t>(0x80 >> (dx & 7));
        dst[dx >> 3] = static_cast<std::uint8_t>(bit ? (dst[dx >> 3] | mask) : (dst[dx >> 3] & ~mask));
        break;
    }
    case 4: {
        const int nibble = (sx & 1) ? (src[sx >> 1] & 0x0F) : (src[sx >> 1] >> 4);
        std::uint8_t& d = dst[dx >> 1];
        d = static_cast<std::uint8_t>((dx & 1) ? ((d & 0xF0) | nibble) : ((d & 0x0F) | (nibble << 4)));
        break;
    }
    case 8: dst[dx] = src[sx]; break;
    case 16: std::memcpy(dst + 2 * dx, src + 2 * sx, 2); break;
    case 24: std::memcpy(dst + 3 * dx, src + 3 * sx, 3); break;
    case 32: std::memcpy(dst + 4 * dx, src + 4 * sx, 4); break;
    default: break;
    }
}

void FillPixel(int bpp, std::uint8_t* dst, int dx, std::uint32_t fill) {
    switch (bpp) {
    case 1: {
        const auto mask = static_cast<std::uint8_t>(0x80 >> (dx & 7));
        dst[dx >> 3] = static_cast<std::uint8_t>((fill & 1) ? (dst[dx >> 3] | mask) : (dst[dx >> 3] & ~mask));
        break;
    }
    case 4: {
        std::uint8_t& d = dst[dx >> 1];
        const unsigned n = fill & 0x0F;
        d = static_cast<std::uint8_t>((dx & 1) ? ((d & 0xF0) | n) : ((d & 0x0F) | (n << 4)));
        break;
    }
    case 8: dst[dx] = static_cast<std::uint8_t>(fill); break;
    case 16:
        dst[2 * dx] = static_cast<std::uint8_t>(fill);
        dst[2 * dx + 1] = static_cast<std::uint8_t>(fill >> 8);
        break;
    case 24:  // the fill colour is in user-interface notation: red in the low byte
        dst[3 * dx] = static_cast<std::uint8_t>(fill >> 16);
        dst[3 * dx + 1] = static_cast<std::uint8_t>(fill >> 8);
        dst[3 * dx + 2] = static_cast<std::uint8_t>(fill);
        break;
    case 32:
        for (int i = 0; i < 4; ++i) dst[4 * dx + i] = static_cast<std::uint8_t>(fill >> (8 * i));
        break;
    default: break;
    }
}

SourcePoint MirrorMapping(int x, int y, const MappingParams& p) { return {p.sourceWidth - 1 - x, y}; }
SourcePoint FlipMapping(int x, int y, const MappingParams& p) { return {x, p.sourceHeight - 1 - y}; }
SourcePoint RotateMapping(int x, int y, const MappingParams& p) {
    switch (p.mode) {
    case 0: return {y, p.sourceHeight - 1 - x};
    case 1: return {p.sourceWidth - 1 - x, p.sourceHeight - 1 - y};
    default: return {p.sourceWidth - 1 - y, x};
    }
}

MappingParams ParamsOf(const Bitmap& b, int mode = 0) { return {b.width(), b.height(), mode}; }

}  // namespace

Bitmap TransformBitmap(const Bitmap& source, int destWidth, int destHeight, const MappingParams& params,
                       std::uint32_t fillColor, PointMapping mapping) {
    Bitmap dest(destWidth, destHeight, source.bitsPerPixel());
    dest.palette() = source.palette();
    const int bpp = source.bitsPerPixel();
    // Row addresses once, so that the pixel loop does no row arithmetic of its own.
    std::vector<const std::uint8_t*> srcRows(static_cast<std::size_t>(source.height()));
    for (int y = 0; y < source.height(); ++y) srcRows[static_cast<std::size_t>(y)] = source.row(y);
    for (int y = 0; y < destHeight; ++y) {
        std::uint8_t* dst = dest.row(y);
        for (int x = 0; x < destWidth; ++x) {
            const SourcePoint s = mapping(x, y, params);
            if (s.x < 0 || s.x >= source.width() || s.y < 0 || s.y >= source.height())
                FillPixel(bpp, dst, x, fillColor);
            else
                CopyPixel(bpp, srcRows[static_cast<std::size_t>(s.y)], s.x, dst, x);
        }
    }
    return dest;
}

Bitmap MirrorHorizontal(const Bitmap& bitmap) {
    return TransformBitmap(bitmap, bitmap.width(), bitmap.height(), ParamsOf(bitmap), 0, MirrorMapping);
}

Bitmap FlipVertical(const Bitmap& bitmap) {
    return TransformBitmap(bitmap, bitmap.width(), bitmap.height(), ParamsOf(bitmap), 0, FlipMapping);
}

Bitmap RotateBitmap(const Bitmap& bitmap, int mode) {
    const bool quarter = mode != 1;
    return TransformBitmap(bitmap, quarter ? bitmap.height() : bitmap.width(),
                           quarter ? bitmap.width() : bitmap.height(), ParamsOf(bitmap, mode), 0, RotateMapping);
}

Bitmap ApplyTransform(const Bitmap& bitmap, const TransformState& state) {
    const int rotation = state.Rotation % 4;
    Bitmap turned = rotation != 0 ? RotateBitmap(bitmap, rotation - 1) : bitmap;
    if (!state.Mirrored) return turned;
    return (rotation == 1 || rotation == 3) ? FlipVertical(turned) : MirrorHorizontal(turned);
}

}  // namespace zorvane

#include "encoders/png_output_row.h"

#include <cstring>

namespace zorvane {

namespace {

std::uint8_t Widen5(unsigned v) { return static_cast<std::uint8_t>((v << 3) | (v >> 2)); }

void PackedRow(const Bitmap& image, int bits, int y, const ImagePass& pass, int count, std::uint8_t* out) {
    const std::uint8_t* src = image.row(y);
    if (pass.dx == 1) {
        std::memcpy(out, src, (static_cast<std::size_t>(count) * static_cast<std::size_t>(bits) + 7) / 8);
        return;
    }
    if (bits == 8) {
        for (int i = 0; i < count; ++i) out[i] = src[pass.x0 + i * pass.dx];
        return;
    }
    std::memset(out, 0, (static_cast<std::size_t>(count) * static_cast<std::size_t>(bits) + 7) / 8);
    const int perByte = 8 / bits;
    for (int i = 0; i < count; ++i) {
        const unsigned v = image.pixelIndex(pass.x0 + i * pass.dx, y);
        out[i / perByte] |= static_cast<std::uint8_t>(v << (8 - bits * (i % perByte + 1)));
    }
}

// Whole rows of 24- or 32-bit pixels, the common case, in loops without a per-pixel choice.
void WholeColourRow(const std::uint8_t* src, const std::uint8_t* a, int srcStep, int count, std::uint8_t* out) {
    const auto step = static_cast<std::size_t>(srcStep);
    const auto n = static_cast<std::size_t>(count);
    if (a) {
        for (std::size_t x = 0; x < n; ++x, src += step, out += 4) {
            out[0] = src[2], out[1] = src[1], out[2] = src[0];
            out[3] = static_cast<std::uint8_t>(255 - a[x]);
        }
        return;
    }
    for (std::size_t x = 0; x < n; ++x, src += step, out += 3) out[0] = src[2], out[1] = src[1], out[2] = src[0];
}

void ColourRow(const Bitmap& image, const Bitmap* alpha, const PngFormat& f, int y, const ImagePass& pass, int count,
               std::uint8_t* out) {
    const std::uint8_t* src = image.row(y);
    const std::uint8_t* a = f.alpha ? alpha->row(y) : nullptr;
    if (pass.dx == 1 && f.sourceBits != 15) {
        const int srcStep = f.sourceHas4thByte ? 4 : 3;
        const auto x0 = static_cast<std::size_t>(pass.x0);
        WholeColourRow(src + x0 * static_cast<std::size_t>(srcStep), a ? a + x0 : nullptr, srcStep, count, out);
        return;
    }
    const int srcStep = f.sourceBits == 15 ? 2 : (f.sourceHas4thByte ? 4 : 3);
    for (int i = 0; i < count; ++i) {
        const int x = pass.x0 + i * pass.dx;
        const std::uint8_t* p = src + static_cast<std::size_t>(x) * static_cast<std::size_t>(srcStep);
        if (f.sourceBits == 15) {
            const unsigned v = p[0] | (p[1] << 8);
            *out++ = Widen5((v >> 10) & 31);
            *out++ = Widen5((v >> 5) & 31);
            *out++ = Widen5(v & 31);
        } else {
            *out++ = p[2];
            *out++ = p[1];
            *out++ = p[0];
        }
        // The plane holds transparency; PNG wants opacity.
        if (a) *out++ = static_cast<std::uint8_t>(255 - a[x]);
    }
}

}  // namespace

void BuildOutputRow(const Bitmap& image, const Bitmap* alphaPlane, const PngFormat& format, int y,
                    const ImagePass& pass, std::uint8_t* out) {
    const int count = pass.width(image.width());
    if (format.palette())
        PackedRow(image, format.pixelBits, y, pass, count, out);
    else
        ColourRow(image, alphaPlane, format, y, pass, count, out);
}

}  // namespace zorvane

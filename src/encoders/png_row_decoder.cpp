#include "encoders/png_row_decoder.h"

#include <cstring>

#include "encoders/adam7.h"
#include "encoders/png_error.h"
#include "encoders/png_filters.h"

namespace zorvane {

std::vector<Rgb> GreyRamp(int levels) {
    std::vector<Rgb> ramp(static_cast<std::size_t>(levels));
    const int step = 255 / (levels - 1);
    for (int i = 0; i < levels; ++i) {
        const auto v = static_cast<std::uint8_t>(i * step);
        ramp[static_cast<std::size_t>(i)] = {v, v, v};
    }
    return ramp;
}

namespace {

// Sample i of an unfiltered row; 16-bit samples keep their high byte.
unsigned Sample(const std::uint8_t* row, int depth, std::size_t i) {
    switch (depth) {
    case 8: return row[i];
    case 16: return row[2 * i];
    default: {
        const std::size_t bit = i * static_cast<std::size_t>(depth);
        return (row[bit / 8] >> (8 - static_cast<std::size_t>(depth) - bit % 8)) & ((1u << depth) - 1);
    }
    }
}

class RowStore {
public:
    RowStore(const PngHeader& h, DecodedPng& out) : h_(h), out_(out) {}

    void Store(const std::uint8_t* row, const ImagePass& pass, int passRow, int count) {
        const int y = pass.y0 + passRow * pass.dy;
        const int d = h_.bitDepth;
        std::uint8_t* image = out_.image.row(y);
        std::uint8_t* alpha = h_.hasAlpha() ? out_.alphaPlane.row(y) : nullptr;
        const std::size_t channels = static_cast<std::size_t>(h_.channels());
        for (int k = 0; k < count; ++k) {
            const int x = pass.x0 + k * pass.dx;
            const std::size_t s = static_cast<std::size_t>(k) * channels;
            if (h_.colorType == 2 || h_.colorType == 6) {
                image[3 * x + 2] = static_cast<std::uint8_t>(Sample(row, d, s));
                image[3 * x + 1] = static_cast<std::uint8_t>(Sample(row, d, s + 1));
                image[3 * x] = static_cast<std::uint8_t>(Sample(row, d, s + 2));
            } else {
                out_.image.setPixelIndex(x, y, static_cast<std::uint8_t>(Sample(row, d, s)));
            }
            // The plane stores transparency: 0 is opaque.
            if (alpha) alpha[x] = static_cast<std::uint8_t>(255 - Sample(row, d, s + channels - 1));
        }
    }

private:
    const PngHeader& h_;
    DecodedPng& out_;
};

std::vector<Rgb> ImagePalette(const PngHeader& h, const std::vector<Rgb>& palette) {
    if (h.colorType == 3) return palette;
    if (h.colorType == 0 || h.colorType == 4) return GreyRamp(h.bitDepth >= 8 ? 256 : 1 << h.bitDepth);
    return {};
}

// The filtered rows of every pass, each with its filter byte: what the image data must
// inflate to.
std::uint64_t FilteredBytes(const PngHeader& h) {
    const int width = static_cast<int>(h.width), height = static_cast<int>(h.height);
    std::uint64_t total = 0;
    for (const ImagePass& pass : PassesFor(h.interlace == 1)) {
        const int passWidth = pass.width(width), passHeight = pass.height(height);
        if (passWidth == 0 || passHeight == 0) continue;
        total += static_cast<std::uint64_t>(passHeight) * (h.rowBytes(static_cast<std::uint64_t>(passWidth)) + 1);
    }
    return total;
}

}  // namespace

DecodedPng DecodePngRows(const PngHeader& h, const std::vector<Rgb>& palette, PngImageData& data) {
    const int width = static_cast<int>(h.width), height = static_cast<int>(h.height);
    // A header may claim far more than the file's data could ever inflate to; the image is
    // not allocated for such a claim.
    if (FilteredBytes(h) > data.MostInflatable()) throw EZNBPNG("Read Image (PNG): Read Error");
    DecodedPng out;
    out.image = Bitmap(width, height, h.bitmapBits());
    out.image.palette() = ImagePalette(h, palette);
    if (h.hasAlpha()) {
        out.alphaPlane = Bitmap(width, height, 8);
        out.alphaPlane.palette() = GreyRamp(256);
    }
    RowStore store(h, out);
    const std::size_t fullRow = static_cast<std::size_t>(h.rowBytes(h.width));
    std::vector<std::uint8_t> rows(2 * (fullRow + 1));
    std::uint8_t* current = rows.data();
    std::uint8_t* previous = rows.data() + fullRow + 1;
    const int stride = (h.pixelBits() + 7) / 8;
    for (const ImagePass& pass : PassesFor(h.interlace == 1)) {
        const int passWidth = pass.width(width), passHeight = pass.height(height);
        if (passWidth == 0 || passHeight == 0) continue;
        const std::size_t rowBytes = static_cast<std::size_t>(h.rowBytes(static_cast<std::uint64_t>(passWidth)));
        std::memset(previous, 0, fullRow + 1);
        for (int r = 0; r < passHeight; ++r) {
            data.Read({current, rowBytes + 1});
            if (!UndoFilter(current[0], {current + 1, rowBytes}, previous + 1, stride))
                throw EZNBPNG("Read Image (PNG): Read Error");
            store.Store(current + 1, pass, r, passWidth);
            std::swap(current, previous);
        }
    }
    return out;
}

}  // namespace zorvane

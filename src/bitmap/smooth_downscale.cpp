#include "bitmap/smooth_downscale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace zorvane {
namespace {

// Premultiplied blue, green, red and alpha, each 0 to 255.
using Pixel = std::array<double, 4>;

struct Tap {
    int source;
    double weight;
};

// For each target index, the source indices it covers and the share of each: together 1.
std::vector<std::vector<Tap>> AreaTaps(int sourceLength, int targetLength) {
    const double scale = static_cast<double>(sourceLength) / targetLength;
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(targetLength));
    for (int t = 0; t < targetLength; ++t) {
        const double begin = t * scale, end = (t + 1) * scale;
        const int last = std::min(sourceLength, static_cast<int>(std::ceil(end)));
        for (int s = static_cast<int>(begin); s < last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s));
            if (covered > 0) taps[static_cast<std::size_t>(t)].push_back({s, covered / scale});
        }
    }
    return taps;
}

Pixel Premultiplied(const std::uint8_t* p) {
    const double alpha = p[3];
    return {p[0] * alpha / 255, p[1] * alpha / 255, p[2] * alpha / 255, alpha};
}

std::uint8_t ToByte(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

void StoreStraight(const Pixel& sum, std::uint8_t* out) {
    const double alpha = sum[3];
    for (std::size_t c = 0; c < 3; ++c) out[c] = alpha > 0 ? ToByte(sum[c] * 255 / alpha) : 0;
    out[3] = ToByte(alpha);
}

void AddWeighted(Pixel& sum, const Pixel& p, double weight) {
    for (std::size_t c = 0; c < 4; ++c) sum[c] += p[c] * weight;
}

}  // namespace

Bitmap SmoothDownscale(const Bitmap& source, int width, int height) {
    if (source.bitsPerPixel() != 32 || width < 1 || height < 1 || width > source.width() || height > source.height())
        throw std::invalid_argument("SmoothDownscale: a 32-bit source no smaller than the target");
    const auto columns = AreaTaps(source.width(), width);
    const auto rows = AreaTaps(source.height(), height);
    // Columns first, row by row of the source, then rows: each pass is a plain weighted sum.
    std::vector<Pixel> narrowed(static_cast<std::size_t>(width) * static_cast<std::size_t>(source.height()));
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* row = source.row(y);
        for (int x = 0; x < width; ++x) {
            Pixel& sum =
                narrowed[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            for (const Tap& tap : columns[static_cast<std::size_t>(x)])
                AddWeighted(sum, Premultiplied(row + 4 * tap.source), tap.weight);
        }
    }
    Bitmap target(width, height, 32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Pixel sum{};
            for (const Tap& tap : rows[static_cast<std::size_t>(y)])
                AddWeighted(sum,
                            narrowed[static_cast<std::size_t>(tap.source) * static_cast<std::size_t>(width) +
                                     static_cast<std::size_t>(x)],
                            tap.weight);
            StoreStraight(sum, target.row(y) + 4 * x);
        }
    }
    return target;
}

}  // namespace zorvane

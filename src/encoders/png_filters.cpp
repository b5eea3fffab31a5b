#include "encoders/png_filters.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "encoders/png_options.h"

namespace zorvane {

std::uint8_t PaethPredictor(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return static_cast<std::uint8_t>(a);
    if (pb <= pc) return static_cast<std::uint8_t>(b);
    return static_cast<std::uint8_t>(c);
}

namespace {

// The prediction of byte i from its left (a), upper (b) and upper-left (c) neighbours.
int Predict(std::uint8_t type, int a, int b, int c) {
    switch (type) {
    case kPngSub: return a;
    case kPngUp: return b;
    case kPngAverage: return (a + b) / 2;
    case kPngPaeth: return PaethPredictor(a, b, c);
    default: return 0;
    }
}

}  // namespace

void ApplyFilter(std::uint8_t type, std::span<const std::uint8_t> raw, const std::uint8_t* prev, int stride,
                 std::uint8_t* out) {
    out[0] = type;
    const std::size_t n = raw.size();
    if (type == kPngNone) {
        if (n) std::memcpy(out + 1, raw.data(), n);
        return;
    }
    const auto back = static_cast<std::size_t>(stride);
    for (std::size_t i = 0; i < n; ++i) {
        const bool left = i >= back;
        const int a = left ? raw[i - back] : 0;
        const int c = left ? prev[i - back] : 0;
        out[i + 1] = static_cast<std::uint8_t>(raw[i] - Predict(type, a, prev[i], c));
    }
}

bool UndoFilter(std::uint8_t type, std::span<std::uint8_t> row, const std::uint8_t* prev, int stride) {
    if (type > kPngPaeth) return false;
    if (type == kPngNone) return true;
    const std::size_t n = row.size();
    const auto back = static_cast<std::size_t>(stride);
    for (std::size_t i = 0; i < n; ++i) {
        const bool left = i >= back;
        const int a = left ? row[i - back] : 0;
        const int c = left ? prev[i - back] : 0;
        row[i] = static_cast<std::uint8_t>(row[i] + Predict(type, a, prev[i], c));
    }
    return true;
}

int FilterScore(std::span<const std::uint8_t> candidate, int pixelBits) {
    std::array<int, 256> histogram{};
    for (std::uint8_t b : candidate) ++histogram[b];
    const int distinct = static_cast<int>(
        std::count_if(histogram.begin(), histogram.end(), [](int c) { return c > 0; }));
    std::partial_sort(histogram.begin(), histogram.begin() + 3, histogram.end(), std::greater<>());
    const double n = static_cast<double>(candidate.size());
    const int c1 = histogram[0], c2 = histogram[1], c3 = histogram[2];
    if (distinct <= 8 || static_cast<long long>(c1) * 100 / static_cast<long long>(candidate.size()) >= 90) return -1;
    if (pixelBits < 8) return static_cast<int>((n / 1.5 / distinct) * 1500 + ((c1 + c2) / n) * 1000);
    return static_cast<int>((n / 1.5 / distinct) * 1000 + ((c1 + c2 + c3) / n) * 1000);
}

namespace {

void ChooseAdaptive(int sourceBits, int pixelBits, std::span<const std::uint8_t> raw, const std::uint8_t* prev,
                    std::uint8_t* out, std::uint8_t* trial) {
    const int stride = (pixelBits + 7) / 8;
    const std::size_t n = raw.size() + 1;
    ApplyFilter(kPngNone, raw, prev, stride, out);
    int best = FilterScore({out, n}, pixelBits);
    if (best == -1 || sourceBits == 4) return;
    // Indexed rows compress well unfiltered; favour None for them.
    if (sourceBits == 1 || sourceBits == 8) best *= 2;
    for (std::uint8_t type = kPngSub; type <= kPngPaeth; ++type) {
        ApplyFilter(type, raw, prev, stride, trial);
        const int score = FilterScore({trial, n}, pixelBits);
        if (score == -1 || score > best) {
            std::memcpy(out, trial, n);
            if (score == -1) return;
            best = score;
        }
    }
}

}  // namespace

void FilterRow(std::uint8_t filterMode, int sourceBits, int pixelBits, std::span<const std::uint8_t> raw,
               const std::uint8_t* prev, std::uint8_t* out, std::uint8_t* trial) {
    if (filterMode == kFilterAdaptive) {
        ChooseAdaptive(sourceBits, pixelBits, raw, prev, out, trial);
        return;
    }
    const bool fixed = filterMode >= kFilterSub && filterMode <= kFilterPaeth;
    const std::uint8_t type = fixed ? static_cast<std::uint8_t>(filterMode - 1) : std::uint8_t{kPngNone};
    ApplyFilter(type, raw, prev, (pixelBits + 7) / 8, out);
}

}  // namespace zorvane

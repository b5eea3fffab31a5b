#include "encoders/color_lookup.h"

#include <algorithm>

namespace zorvane {

namespace {

constexpr int kCellSize = 16;

// Squared distance from v to the nearest and the farthest value of [low, low + 15].
long NearSquared(int v, int low) {
    const int d = v < low ? low - v : (v > low + kCellSize - 1 ? v - (low + kCellSize - 1) : 0);
    return static_cast<long>(d) * d;
}
long FarSquared(int v, int low) {
    const int d = std::max(std::abs(v - low), std::abs(v - (low + kCellSize - 1)));
    return static_cast<long>(d) * d;
}

}  // namespace

TSlowColorLookup::TSlowColorLookup(const TPalette& palette)
    : entries_(palette.begin(),
               palette.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(palette.size(), 256))),
      cells_(kCells),
      cellReady_(kCells, false) {}

const std::vector<std::uint8_t>& TSlowColorLookup::Candidates(int red, int green, int blue) {
    const int r = red >> kCellShift, g = green >> kCellShift, b = blue >> kCellShift;
    const std::size_t cell = static_cast<std::size_t>((r << 8) | (g << 4) | b);
    std::vector<std::uint8_t>& list = cells_[cell];
    if (cellReady_[cell]) return list;
    const int lr = r * kCellSize, lg = g * kCellSize, lb = b * kCellSize;
    // No colour of the cell is farther than this from its nearest entry.
    long bound = -1;
    for (const Rgb& e : entries_) {
        const long far = FarSquared(e.red, lr) + FarSquared(e.green, lg) + FarSquared(e.blue, lb);
        if (bound < 0 || far < bound) bound = far;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Rgb& e = entries_[i];
        if (NearSquared(e.red, lr) + NearSquared(e.green, lg) + NearSquared(e.blue, lb) <= bound)
            list.push_back(static_cast<std::uint8_t>(i));
    }
    cellReady_[cell] = true;
    return list;
}

std::uint8_t TSlowColorLookup::Lookup(int red, int green, int blue, Rgb& entry) {
    if (entries_.empty()) {
        entry = Rgb{};
        return 0;
    }
    red = std::clamp(red, 0, 255);
    green = std::clamp(green, 0, 255);
    blue = std::clamp(blue, 0, 255);
    std::uint8_t best = 0;
    long bestDistance = -1;
    // Candidates are in index order, so the first of equally near entries wins.
    for (std::uint8_t i : Candidates(red, green, blue)) {
        const Rgb& e = entries_[i];
        const long dr = e.red - red, dg = e.green - green, db = e.blue - blue;
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    entry = entries_[best];
    return best;
}

}  // namespace zorvane

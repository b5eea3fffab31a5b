#include "encoders/color_lookup.h"

#include <algorithm>
#include <limits>

namespace zorvane {

namespace {

constexpr int kCellSize = 16;

// Squared distance from v to the nearest and the farthest value of [low, low + 15].
std::int32_t NearSquared(int v, int low) {
    const int d = v < low ? low - v : (v > low + kCellSize - 1 ? v - (low + kCellSize - 1) : 0);
    return d * d;
}
std::int32_t FarSquared(int v, int low) {
    const int d = std::max(std::abs(v - low), std::abs(v - (low + kCellSize - 1)));
    return d * d;
}

int AxisValue(const Rgb& e, int axis) { return axis == 0 ? e.red : axis == 1 ? e.green : e.blue; }

}  // namespace

TSlowColorLookup::TSlowColorLookup(const TPalette& palette)
    : entries_(palette.begin(),
               palette.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(palette.size(), 256))),
      near_(3 * kCellsPerSide * entries_.size()),
      far_(near_.size()),
      cells_(kCells),
      cellReady_(kCells, false) {
    for (int axis = 0; axis < 3; ++axis)
        for (int side = 0; side < kCellsPerSide; ++side)
            for (std::size_t i = 0; i < entries_.size(); ++i) {
                const int v = AxisValue(entries_[i], axis);
                near_[AxisRow(axis, side) + i] = NearSquared(v, side * kCellSize);
                far_[AxisRow(axis, side) + i] = FarSquared(v, side * kCellSize);
            }
}

std::size_t TSlowColorLookup::AxisRow(int axis, int side) const {
    return static_cast<std::size_t>(axis * kCellsPerSide + side) * entries_.size();
}

const std::vector<std::uint8_t>& TSlowColorLookup::Candidates(int red, int green, int blue) {
    const int r = red >> kCellShift, g = green >> kCellShift, b = blue >> kCellShift;
    const std::size_t cell = static_cast<std::size_t>((r << 8) | (g << 4) | b);
    std::vector<std::uint8_t>& list = cells_[cell];
    if (cellReady_[cell]) return list;
    const std::size_t n = entries_.size();
    const std::int32_t *nearR = &near_[AxisRow(0, r)], *nearG = &near_[AxisRow(1, g)], *nearB = &near_[AxisRow(2, b)];
    const std::int32_t *farR = &far_[AxisRow(0, r)], *farG = &far_[AxisRow(1, g)], *farB = &far_[AxisRow(2, b)];
    // No colour of the cell is farther than this from its nearest entry.
    std::int32_t bound = std::numeric_limits<std::int32_t>::max();
    for (std::size_t i = 0; i < n; ++i) bound = std::min(bound, farR[i] + farG[i] + farB[i]);
    for (std::size_t i = 0; i < n; ++i)
        if (nearR[i] + nearG[i] + nearB[i] <= bound) list.push_back(static_cast<std::uint8_t>(i));
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

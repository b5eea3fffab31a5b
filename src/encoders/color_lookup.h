#pragma once
// Nearest palette entry of a colour: smallest squared distance, lowest index among equals.

#include <array>
#include <cstdint>
#include <vector>

#include "bitmap/bitmap.h"

namespace zorvane {

using TPalette = std::vector<Rgb>;

class TColorLookup {
public:
    virtual ~TColorLookup() = default;
    // The index of the nearest entry; entry receives its colour.
    virtual std::uint8_t Lookup(int red, int green, int blue, Rgb& entry) = 0;
};

class TSlowColorLookup : public TColorLookup {
public:
    explicit TSlowColorLookup(const TPalette& palette);
    std::uint8_t Lookup(int red, int green, int blue, Rgb& entry) override;

private:
    // Colour space is cut into 16 x 16 x 16 cells; each cell keeps, once asked, only the
    // entries that can be nearest to some colour inside it, so a lookup scans a few entries
    // instead of the whole palette with the same answer.
    static constexpr int kCellShift = 4;
    static constexpr int kCellsPerSide = 1 << (8 - kCellShift);
    static constexpr int kCells = kCellsPerSide * kCellsPerSide * kCellsPerSide;
    const std::vector<std::uint8_t>& Candidates(int red, int green, int blue);
    // Where the squared distances along one axis from a side of cells to every entry begin.
    std::size_t AxisRow(int axis, int side) const;

    TPalette entries_;
    // Per axis and side of cells, for each entry: the squared distance from its value on
    // that axis to the nearest and to the farthest value of the side. A cell's bounds are
    // then sums of three rows, in loops the compiler vectorises.
    std::vector<std::int32_t> near_, far_;
    std::vector<std::vector<std::uint8_t>> cells_;
    std::vector<bool> cellReady_;
};

}  // namespace zorvane

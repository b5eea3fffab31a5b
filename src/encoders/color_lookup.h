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
    static constexpr int kCells = 1 << (3 * (8 - kCellShift));
    const std::vector<std::uint8_t>& Candidates(int red, int green, int blue);

    TPalette entries_;
    std::vector<std::vector<std::uint8_t>> cells_;
    std::vector<bool> cellReady_;
};

}  // namespace zorvane

#pragma once
// Maps pixels to a palette one at a time, travelling left to right on even rows and right
// to left on odd rows.

#include <cstdint>
#include <vector>

#include "encoders/color_lookup.h"

namespace zorvane {

class TDitherEngine {
public:
    TDitherEngine(TColorLookup& lookup, int width) : lookup_(lookup), width_(width) {}
    virtual ~TDitherEngine() = default;

    int direction() const { return direction_; }
    int column() const { return column_; }

    // The palette index for the pixel at the current column; moves the column on.
    virtual std::uint8_t Dither(int red, int green, int blue);
    virtual void NextLine();

protected:
    TColorLookup& lookup_;
    int width_;
    int direction_ = 1;
    int column_ = 0;
};

class TFloydSteinbergDitherer : public TDitherEngine {
public:
    TFloydSteinbergDitherer(TColorLookup& lookup, int width);
    std::uint8_t Dither(int red, int green, int blue) override;
    void NextLine() override;

private:
    struct Channel {
        std::vector<std::int32_t> errors;  // width + 2 entries shared between rows
        std::int32_t carried = 0;          // K: error for the next pixel in this row
        std::int32_t below = 0;            // B1
        std::int32_t belowPrevious = 0;    // B2
    };
    static int Adjusted(const Channel& c, std::size_t position, int value);
    static void Spread(Channel& c, std::size_t position, int difference);

    Channel channels_[3];
    std::size_t position_ = 0;
};

}  // namespace zorvane

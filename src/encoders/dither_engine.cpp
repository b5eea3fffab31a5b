#include "encoders/dither_engine.h"

#include <algorithm>

namespace zorvane {

std::uint8_t TDitherEngine::Dither(int red, int green, int blue) {
    Rgb entry;
    const std::uint8_t index = lookup_.Lookup(red, green, blue, entry);
    column_ += direction_;
    return index;
}

void TDitherEngine::NextLine() {
    direction_ = -direction_;
    column_ = direction_ > 0 ? 0 : width_ - 1;
}

TFloydSteinbergDitherer::TFloydSteinbergDitherer(TColorLookup& lookup, int width) : TDitherEngine(lookup, width) {
    for (Channel& c : channels_) c.errors.assign(static_cast<std::size_t>(width) + 2, 0);
}

int TFloydSteinbergDitherer::Adjusted(const Channel& c, std::size_t position, int value) {
    // Division truncates toward zero, as the error arithmetic always has.
    const int v = value + (c.errors[position] + c.carried + 8) / 16;
    return std::clamp(v, 0, 255);
}

void TFloydSteinbergDitherer::Spread(Channel& c, std::size_t position, int d) {
    if (d == 0) {
        c.carried = 0;
        return;
    }
    c.errors[position] = c.belowPrevious + 3 * d;
    c.belowPrevious = c.below + 5 * d;
    c.below = d;
    c.carried = 7 * d;
}

std::uint8_t TFloydSteinbergDitherer::Dither(int red, int green, int blue) {
    const int wanted[3] = {Adjusted(channels_[0], position_, red), Adjusted(channels_[1], position_, green),
                           Adjusted(channels_[2], position_, blue)};
    Rgb entry;
    const std::uint8_t index = lookup_.Lookup(wanted[0], wanted[1], wanted[2], entry);
    const int got[3] = {entry.red, entry.green, entry.blue};
    for (int c = 0; c < 3; ++c) Spread(channels_[c], position_, wanted[c] - got[c]);
    position_ = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(position_) + direction_);
    column_ += direction_;
    return index;
}

void TFloydSteinbergDitherer::NextLine() {
    for (Channel& c : channels_) {
        c.errors[position_] = c.belowPrevious;
        c.carried = c.below = c.belowPrevious = 0;
    }
    TDitherEngine::NextLine();
    position_ = direction_ > 0 ? 0 : static_cast<std::size_t>(width_) + 1;
}

}  // namespace zorvane

#pragma once
// A GIF colour table of up to 256 colours, and its optimisation: most used colour first,
// unused colours dropped.

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "bitmap/bitmap.h"

namespace zorvane {

class EGIFError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TGIFColorMap {
public:
    int count() const { return static_cast<int>(colors_.size()); }
    const std::vector<Rgb>& colors() const { return colors_; }
    Rgb operator[](int index) const { return colors_[static_cast<std::size_t>(index)]; }
    bool optimized() const { return optimized_; }

    // Raises "Color table overflow" at 256 colours.
    void Add(Rgb color);
    void RemoveLast() { colors_.pop_back(); }
    void Assign(std::vector<Rgb> colors);
    // The smallest b >= 1 with 2^b >= count; 0 when empty.
    int BitsPerPixel() const;

    // Sorts the colours by how often pixels use them and rewrites pixels to match. A map of
    // fewer than two colours is left alone; a map already in order keeps even unused entries.
    void Optimize(std::vector<std::uint8_t>& pixels);

private:
    std::vector<Rgb> colors_;
    bool optimized_ = false;
};

struct TColorCount {
    std::int64_t count;
    int index;
};

// Sorts by count, highest first, with the partition scheme the map order depends on.
void SortByCountDescending(std::vector<TColorCount>& pairs, int left, int right);

}  // namespace zorvane

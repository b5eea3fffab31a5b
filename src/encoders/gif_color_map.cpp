#include "encoders/gif_color_map.h"

#include <utility>

namespace zorvane {

void TGIFColorMap::Add(Rgb color) {
    if (colors_.size() >= 256) throw EGIFError("Color table overflow");
    colors_.push_back(color);
}

void TGIFColorMap::Assign(std::vector<Rgb> colors) {
    if (colors.size() > 256) throw EGIFError("Color table overflow");
    colors_ = std::move(colors);
    optimized_ = false;
}

int TGIFColorMap::BitsPerPixel() const {
    if (colors_.empty()) return 0;
    int bits = 1;
    while ((std::size_t{1} << bits) < colors_.size()) ++bits;
    return bits;
}

void SortByCountDescending(std::vector<TColorCount>& pairs, int left, int right) {
    int i = left;
    do {
        i = left;
        int j = right;
        const std::int64_t pivot = pairs[static_cast<std::size_t>((left + right) / 2)].count;
        do {
            while (pairs[static_cast<std::size_t>(i)].count > pivot) ++i;
            while (pairs[static_cast<std::size_t>(j)].count < pivot) --j;
            if (i <= j) {
                std::swap(pairs[static_cast<std::size_t>(i)], pairs[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j) SortByCountDescending(pairs, left, j);
        left = i;
    } while (i < right);
}

void TGIFColorMap::Optimize(std::vector<std::uint8_t>& pixels) {
    if (colors_.size() <= 1) return;
    optimized_ = true;
    std::vector<TColorCount> pairs(colors_.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) pairs[i] = {0, static_cast<int>(i)};
    for (std::uint8_t p : pixels)
        if (p < pairs.size()) ++pairs[p].count;
    SortByCountDescending(pairs, 0, count() - 1);
    bool inOrder = true;
    for (std::size_t i = 0; i < pairs.size(); ++i) inOrder = inOrder && pairs[i].index == static_cast<int>(i);
    if (inOrder) return;
    std::vector<std::uint8_t> newIndex(256, 0);
    std::vector<Rgb> sorted(colors_.size());
    std::size_t used = pairs.size();
    for (std::size_t pos = 0; pos < pairs.size(); ++pos) {
        const auto old = static_cast<std::size_t>(pairs[pos].index);
        newIndex[old] = static_cast<std::uint8_t>(pos);
        sorted[pos] = colors_[old];
        if (pairs[pos].count == 0 && used == pairs.size()) used = pos;
    }
    for (std::uint8_t& p : pixels)
        if (p < colors_.size()) p = newIndex[p];
    sorted.resize(used);
    colors_ = std::move(sorted);
}

}  // namespace zorvane

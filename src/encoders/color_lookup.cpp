#include "encoders/color_lookup.h"

namespace zorvane {

namespace {
constexpr std::uint32_t kEmptyKey = 0xFFFFFFFF;
}

TSlowColorLookup::TSlowColorLookup(const TPalette& palette)
    : entries_(palette.begin(), palette.begin() + static_cast<std::ptrdiff_t>(palette.size() < 256 ? palette.size() : 256)) {
    cacheKey_.fill(kEmptyKey);
}

std::uint8_t TSlowColorLookup::Search(int red, int green, int blue) const {
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const long dr = entries_[i].red - red, dg = entries_[i].green - green, db = entries_[i].blue - blue;
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
            if (d == 0) break;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::uint8_t TSlowColorLookup::Lookup(int red, int green, int blue, Rgb& entry) {
    if (entries_.empty()) {
        entry = Rgb{};
        return 0;
    }
    const std::uint32_t key = static_cast<std::uint32_t>((red << 16) | (green << 8) | blue);
    const std::size_t slot = (key ^ (key >> 12) ^ (key >> 20)) % kCacheSize;
    if (cacheKey_[slot] != key) {
        cacheKey_[slot] = key;
        cacheIndex_[slot] = Search(red, green, blue);
    }
    entry = entries_[cacheIndex_[slot]];
    return cacheIndex_[slot];
}

}  // namespace zorvane

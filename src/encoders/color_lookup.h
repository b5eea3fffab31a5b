#pragma once
// Nearest palette entry of a colour: smallest squared distance, lowest index among equals.

#include <array>
#include <cstdint>
#include <vector>

#include "core/bitmap.h"

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
    std::uint8_t Search(int red, int green, int blue) const;

    TPalette entries_;
    // Dithered images ask for the same few colours again and again; remember recent answers.
    static constexpr std::size_t kCacheSize = 4096;
    std::array<std::uint32_t, kCacheSize> cacheKey_;
    std::array<std::uint8_t, kCacheSize> cacheIndex_{};
};

}  // namespace zorvane

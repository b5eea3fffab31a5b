#pragma once
// The seven interlace passes; a plain image is the single pass {0, 0, 1, 1}.

#include <array>
#include <cstdint>
#include <span>

namespace zorvane {

struct ImagePass {
    int x0, y0, dx, dy;
    int width(int imageWidth) const { return imageWidth > x0 ? (imageWidth - x0 + dx - 1) / dx : 0; }
    int height(int imageHeight) const { return imageHeight > y0 ? (imageHeight - y0 + dy - 1) / dy : 0; }
};

inline constexpr std::array<ImagePass, 7> kAdam7Passes{{
    {0, 0, 8, 8},
    {4, 0, 8, 8},
    {0, 4, 4, 8},
    {2, 0, 4, 4},
    {0, 2, 2, 4},
    {1, 0, 2, 2},
    {0, 1, 1, 2},
}};
inline constexpr std::array<ImagePass, 1> kSinglePass{{{0, 0, 1, 1}}};

inline std::span<const ImagePass> PassesFor(bool interlaced) {
    if (interlaced) return kAdam7Passes;
    return kSinglePass;
}

}  // namespace zorvane

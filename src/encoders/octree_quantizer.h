#pragma once
// Octree colour quantiser: every colour gets a leaf at the tree's full depth; whenever there
// are too many leaves the newest inner node of the deepest level is folded into one leaf.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "bitmap/bitmap.h"
#include "encoders/color_lookup.h"

namespace zorvane {

struct TOctreeNode {
    bool leaf = false;
    // 64 bits: a large one-colour image would overflow 32-bit sums.
    std::int64_t pixelCount = 0;
    std::int64_t redSum = 0, greenSum = 0, blueSum = 0;
    TOctreeNode* nextReducible = nullptr;
    std::array<std::unique_ptr<TOctreeNode>, 8> children;
};

class TColorQuantizer {
public:
    TColorQuantizer(int maxColors, int colorBits);
    ~TColorQuantizer();
    TColorQuantizer(const TColorQuantizer&) = delete;
    TColorQuantizer& operator=(const TColorQuantizer&) = delete;

    void AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    int leafCount() const { return leafCount_; }
    // The leaves' average colours, depth first, children in index order.
    std::vector<Rgb> Colors() const;

private:
    std::unique_ptr<TOctreeNode> NewNode(int level);
    void Reduce();

    std::unique_ptr<TOctreeNode> root_;
    int leafCount_ = 0;
    int maxColors_;
    int colorBits_;
    std::array<TOctreeNode*, 8> reducible_{};
};

// Quantises the bitmap (converted to 24 bits in place) to at most colors - 20 colours placed
// between the twenty static colours when withStaticColors, else to at most colors colours;
// the palette is padded with black to colors entries.
TPalette BuildOctreePalette(Bitmap& bitmap, int colors, int colorBits, bool withStaticColors);

}  // namespace zorvane

#include "encoders/octree_quantizer.h"

#include <algorithm>
#include <stdexcept>

#include "encoders/static_colors.h"
#include "bitmap/pixel_formats.h"

namespace zorvane {

TColorQuantizer::TColorQuantizer(int maxColors, int colorBits)
    : maxColors_(maxColors), colorBits_(std::clamp(colorBits, 1, 8)) {}

// Deep trees are only eight levels, so recursive deletion of children is safe.
TColorQuantizer::~TColorQuantizer() = default;

std::unique_ptr<TOctreeNode> TColorQuantizer::NewNode(int level) {
    auto node = std::make_unique<TOctreeNode>();
    if (level == colorBits_) {
        node->leaf = true;
        ++leafCount_;
    } else {
        node->nextReducible = reducible_[static_cast<std::size_t>(level)];
        reducible_[static_cast<std::size_t>(level)] = node.get();
    }
    return node;
}

void TColorQuantizer::AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (!root_) root_ = NewNode(0);
    TOctreeNode* node = root_.get();
    for (int level = 0; !node->leaf; ++level) {
        const int shift = 7 - level;
        const std::size_t child = static_cast<std::size_t>(((red >> shift) & 1) * 4 + ((green >> shift) & 1) * 2 +
                                                           ((blue >> shift) & 1));
        if (!node->children[child]) node->children[child] = NewNode(level + 1);
        node = node->children[child].get();
    }
    ++node->pixelCount;
    node->redSum += red;
    node->greenSum += green;
    node->blueSum += blue;
    while (leafCount_ > maxColors_) Reduce();
}

void TColorQuantizer::Reduce() {
    int level = colorBits_ - 1;
    while (level > 0 && reducible_[static_cast<std::size_t>(level)] == nullptr) --level;
    TOctreeNode* node = reducible_[static_cast<std::size_t>(level)];
    if (node == nullptr) throw std::logic_error("octree without reducible node");
    reducible_[static_cast<std::size_t>(level)] = node->nextReducible;
    int children = 0;
    for (auto& child : node->children) {
        if (!child) continue;
        node->pixelCount += child->pixelCount;
        node->redSum += child->redSum;
        node->greenSum += child->greenSum;
        node->blueSum += child->blueSum;
        child.reset();
        ++children;
    }
    node->leaf = true;
    leafCount_ -= children - 1;
}

namespace {

void CollectLeaves(const TOctreeNode& node, std::vector<Rgb>& out) {
    if (node.leaf) {
        const std::int64_t n = node.pixelCount;
        if (n == 0) {
            out.push_back({});
        } else {
            out.push_back({static_cast<std::uint8_t>(node.redSum / n), static_cast<std::uint8_t>(node.greenSum / n),
                           static_cast<std::uint8_t>(node.blueSum / n)});
        }
        return;
    }
    for (const auto& child : node.children)
        if (child) CollectLeaves(*child, out);
}

}  // namespace

std::vector<Rgb> TColorQuantizer::Colors() const {
    std::vector<Rgb> out;
    if (root_) CollectLeaves(*root_, out);
    return out;
}

TPalette BuildOctreePalette(Bitmap& bitmap, int colors, int colorBits, bool withStaticColors) {
    ConvertTo24Bits(bitmap);
    colors = std::clamp(colors, withStaticColors ? 20 : 1, 256);
    const int ownColors = withStaticColors ? colors - 20 : colors;
    TPalette palette;
    if (withStaticColors) palette.assign(kStaticColors.begin(), kStaticColors.begin() + 10);
    if (ownColors > 0) {
        TColorQuantizer quantizer(ownColors, colorBits);
        for (int y = 0; y < bitmap.height(); ++y) {
            const std::uint8_t* row = bitmap.row(y);
            for (int x = 0; x < bitmap.width(); ++x) quantizer.AddColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        }
        const std::vector<Rgb> found = quantizer.Colors();
        palette.insert(palette.end(), found.begin(), found.end());
    }
    palette.resize(static_cast<std::size_t>(withStaticColors ? colors - 10 : colors), Rgb{});
    if (withStaticColors) palette.insert(palette.end(), kStaticColors.begin() + 10, kStaticColors.end());
    return palette;
}

}  // namespace zorvane

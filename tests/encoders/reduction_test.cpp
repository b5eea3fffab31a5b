// Colour reduction: the octree palette among the static colours and the serpentine
// Floyd-Steinberg mapping onto it.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "encoders/dither_engine.h"
#include "encoders/encoder_test_support.h"
#include "encoders/octree_quantizer.h"
#include "encoders/reduce_to_palette.h"
#include "encoders/static_colors.h"

namespace zorvane::test {
namespace {

Bitmap DistinctColours(int count, int bpp) {
    Bitmap b(count, 3, bpp);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < count; ++x) {
            std::uint8_t* p = b.row(y) + x * (bpp / 8);
            p[0] = static_cast<std::uint8_t>(x * 7);
            p[1] = static_cast<std::uint8_t>(x * 13 + 1);
            p[2] = static_cast<std::uint8_t>(255 - x);
        }
    return b;
}

void ExpectStaticColoursAtBothEnds(const TPalette& palette) {
    ASSERT_EQ(palette.size(), 256u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(palette[static_cast<std::size_t>(i)], kStaticColors[static_cast<std::size_t>(i)]);
        EXPECT_EQ(palette[static_cast<std::size_t>(246 + i)], kStaticColors[static_cast<std::size_t>(10 + i)]);
    }
}

TEST(ColourReduction, UpTo236ColoursComeOutExactly) {
    for (int count : {1, 100, 236}) {
        for (int bpp : {24, 32}) {
            SCOPED_TRACE(std::to_string(count) + " colours, " + std::to_string(bpp) + " bits");
            Bitmap source = DistinctColours(count, bpp);
            const Bitmap original = source;
            const TPalette palette = BuildOctreePalette(source, 256, 8, true);
            EXPECT_EQ(source.bitsPerPixel(), 24);  // converted in place
            ExpectStaticColoursAtBothEnds(palette);
            const std::set<TColor> own = [&] {
                std::set<TColor> s;
                for (int i = 10; i < 10 + count; ++i) s.insert(ToTColor(palette[static_cast<std::size_t>(i)]));
                return s;
            }();
            for (int x = 0; x < count; ++x) EXPECT_TRUE(own.count(ToTColor(original.pixelColor(x, 0)))) << x;
            for (int i = 10 + count; i < 246; ++i) EXPECT_EQ(palette[static_cast<std::size_t>(i)], Rgb{}) << i;
            // Exact colours carry no error, so every pixel keeps its colour.
            const Bitmap reduced = ReduceToPalette(source, TColorReduction::Palette, TDitherMode::FloydSteinberg,
                                                   palette);
            ASSERT_EQ(reduced.bitsPerPixel(), 8);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < count; ++x) ASSERT_EQ(reduced.pixelColor(x, y), original.pixelColor(x, y));
        }
    }
}

TEST(ColourReduction, OneColourGivesTheStaticPaletteAroundIt) {
    Bitmap one(5, 4, 24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            std::uint8_t* p = one.row(y) + 3 * x;
            p[0] = 30, p[1] = 20, p[2] = 10;
        }
    const TPalette palette = BuildOctreePalette(one, 256, 8, true);
    ExpectStaticColoursAtBothEnds(palette);
    EXPECT_EQ(palette[10], (Rgb{10, 20, 30}));
    for (int i = 11; i < 246; ++i) EXPECT_EQ(palette[static_cast<std::size_t>(i)], Rgb{});
    const Bitmap reduced = ReduceToPalette(one, TColorReduction::Palette, TDitherMode::FloydSteinberg, palette);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(reduced.pixelIndex(x, y), 10);
}

TEST(ColourReduction, ManyColoursAreMergedTo236) {
    Bitmap gradient = PatternBitmap(64, 64, 24, 3);
    const TPalette palette = BuildOctreePalette(gradient, 256, 8, true);
    ExpectStaticColoursAtBothEnds(palette);
    // Random colours fill all 236 places; no black filler is left.
    int black = 0;
    for (int i = 10; i < 246; ++i) black += palette[static_cast<std::size_t>(i)] == Rgb{};
    EXPECT_LE(black, 1);
}

// Answers white for every colour and records what it was asked, so that the error arithmetic
// can be followed by hand.
class WhiteLookup : public TColorLookup {
public:
    std::vector<int> asked;
    std::uint8_t Lookup(int red, int, int, Rgb& entry) override {
        asked.push_back(red);
        entry = {255, 255, 255};
        return 0;
    }
};

// Grey 250 against white: errors of -5, -6, ... Negative sums divide toward zero (-27/16 is
// -1), the second row runs right to left, and reads the error the first row left at its end.
TEST(ColourReduction, ErrorDiffusionFollowsItsArithmeticAndRunsSerpentine) {
    WhiteLookup lookup;
    TFloydSteinbergDitherer ditherer(lookup, 3);
    std::vector<int> columns;
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 3; ++i) {
            columns.push_back(ditherer.column());
            ditherer.Dither(250, 250, 250);
        }
        ditherer.NextLine();
    }
    EXPECT_EQ(columns, (std::vector<int>{0, 1, 2, 2, 1, 0}));
    EXPECT_EQ(lookup.asked, (std::vector<int>{250, 249, 248, 250, 246, 244}));
}

TEST(ColourReduction, AGradientAndItsMirrorDitherDifferently) {
    Bitmap gradient(40, 6, 24), mirror(40, 6, 24);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 40; ++x) {
            const auto v = static_cast<std::uint8_t>(x * 6 + 10);
            for (int c = 0; c < 3; ++c) {
                gradient.row(y)[3 * x + c] = v;
                mirror.row(y)[3 * (39 - x) + c] = v;
            }
        }
    const TPalette statics(kStaticColors.begin(), kStaticColors.end());
    const Bitmap a = ReduceToPalette(gradient, TColorReduction::Palette, TDitherMode::FloydSteinberg, statics);
    const Bitmap b = ReduceToPalette(mirror, TColorReduction::Palette, TDitherMode::FloydSteinberg, statics);
    int differences = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 40; ++x) differences += a.pixelIndex(x, y) != b.pixelIndex(39 - x, y);
    EXPECT_GT(differences, 0);
    // Nearest-colour mapping has no direction: there the mirror images agree.
    const Bitmap c = ReduceToPalette(gradient, TColorReduction::Palette, TDitherMode::Nearest, statics);
    const Bitmap d = ReduceToPalette(mirror, TColorReduction::Palette, TDitherMode::Nearest, statics);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(c.pixelIndex(x, y), d.pixelIndex(39 - x, y));
}

TEST(ColourReduction, NearestEntryPrefersTheLowestIndexAmongEquals) {
    TSlowColorLookup lookup({{0, 0, 0}, {10, 10, 10}, {10, 10, 10}, {20, 20, 20}});
    Rgb entry;
    EXPECT_EQ(lookup.Lookup(5, 5, 5, entry), 0);  // equally near 0 and 1
    EXPECT_EQ(lookup.Lookup(11, 10, 10, entry), 1);
    EXPECT_EQ(lookup.Lookup(15, 15, 15, entry), 1);
    EXPECT_EQ(entry, (Rgb{10, 10, 10}));
    EXPECT_EQ(lookup.Lookup(255, 255, 255, entry), 3);
}

// The lookup scans only the entries that can win in a colour's neighbourhood; it must give
// what a scan of the whole palette gives, ties included.
TEST(ColourReduction, NearestEntryMatchesAFullScan) {
    std::mt19937 random(3);
    TPalette palette(256);
    for (auto& e : palette)
        e = {static_cast<std::uint8_t>(random() % 8 * 32), static_cast<std::uint8_t>(random()),
             static_cast<std::uint8_t>(random() % 4 * 85)};
    TSlowColorLookup lookup(palette);
    for (int n = 0; n < 20000; ++n) {
        const int r = static_cast<int>(random() % 256), g = static_cast<int>(random() % 256),
                  b = static_cast<int>(random() % 256);
        std::size_t want = 0;
        long wantDistance = -1;
        for (std::size_t i = 0; i < palette.size(); ++i) {
            const long dr = palette[i].red - r, dg = palette[i].green - g, db = palette[i].blue - b;
            const long d = dr * dr + dg * dg + db * db;
            if (wantDistance < 0 || d < wantDistance) wantDistance = d, want = i;
        }
        Rgb entry;
        ASSERT_EQ(lookup.Lookup(r, g, b, entry), want) << r << " " << g << " " << b;
    }
}

TEST(ColourReduction, EmptyPaletteGivesAnEmptyBitmap) {
    Bitmap b = PatternBitmap(3, 3, 24);
    EXPECT_TRUE(ReduceToPalette(b, TColorReduction::Palette, TDitherMode::FloydSteinberg, {}).empty());
}

}  // namespace
}  // namespace zorvane::test

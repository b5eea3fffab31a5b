#include <gtest/gtest.h>

#include <random>

#include "core/bitmap_transform.h"

namespace zorvane {
namespace {

// The raw value of a pixel at any depth (index, 16-bit word, or packed bytes).
std::uint32_t Raw(const Bitmap& b, int x, int y) {
    const int bpp = b.bitsPerPixel();
    if (bpp <= 8) return b.pixelIndex(x, y);
    std::uint32_t v = 0;
    for (int i = 0; i < bpp / 8; ++i) v |= std::uint32_t{b.row(y)[x * (bpp / 8) + i]} << (8 * i);
    return v;
}

// Every pixel different where the depth allows it, alpha bytes included.
Bitmap Pattern(int w, int h, int bpp) {
    Bitmap b(w, h, bpp);
    std::mt19937 rng(static_cast<unsigned>(w * 100 + h * 10 + bpp));
    for (auto& byte : b.pixels()) byte = static_cast<std::uint8_t>(rng());
    if (bpp <= 8)
        for (int i = 0; i < (1 << bpp); ++i)
            b.palette().push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7});
    return b;
}

using Mapping = std::function<std::pair<int, int>(int x, int y)>;

void ExpectMapped(const Bitmap& out, const Bitmap& in, int w, int h, const Mapping& source) {
    ASSERT_EQ(out.width(), w);
    ASSERT_EQ(out.height(), h);
    EXPECT_EQ(out.bitsPerPixel(), in.bitsPerPixel());
    EXPECT_EQ(out.palette(), in.palette());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto [sx, sy] = source(x, y);
            ASSERT_EQ(Raw(out, x, y), Raw(in, sx, sy)) << x << "," << y;
        }
}

TEST(BitmapTransform, EveryDepthTurnsAndMirrorsWithPaletteAndFourthByte) {
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        for (auto [W, H] : {std::pair{11, 5}, std::pair{16, 32}, std::pair{1, 1}}) {
            SCOPED_TRACE(testing::Message() << bpp << " bits " << W << "x" << H);
            const Bitmap in = Pattern(W, H, bpp);
            ExpectMapped(MirrorHorizontal(in), in, W, H, [&](int x, int y) { return std::pair{W - 1 - x, y}; });
            ExpectMapped(FlipVertical(in), in, W, H, [&](int x, int y) { return std::pair{x, H - 1 - y}; });
            ExpectMapped(RotateBitmap(in, 0), in, H, W, [&](int x, int y) { return std::pair{y, H - 1 - x}; });
            ExpectMapped(RotateBitmap(in, 1), in, W, H, [&](int x, int y) { return std::pair{W - 1 - x, H - 1 - y}; });
            ExpectMapped(RotateBitmap(in, 2), in, H, W, [&](int x, int y) { return std::pair{W - 1 - y, x}; });
        }
    }
}

TEST(BitmapTransform, SubBytePixelsAreAddressedMostSignificantFirst) {
    Bitmap row8(8, 1, 1);
    row8.row(0)[0] = 0x80;  // pixel 0
    EXPECT_EQ(MirrorHorizontal(row8).row(0)[0], 0x01);

    Bitmap row16(16, 1, 1);
    row16.row(0)[1] = 0x40;  // pixel 9 is bit 6 of byte 1
    const Bitmap m = MirrorHorizontal(row16);
    EXPECT_EQ(m.row(0)[0], 0x02);  // now pixel 6
    EXPECT_EQ(m.row(0)[1], 0x00);

    Bitmap nibbles(3, 1, 4);
    nibbles.row(0)[0] = 0x12;
    nibbles.row(0)[1] = 0x30;
    const Bitmap n = MirrorHorizontal(nibbles);
    EXPECT_EQ(n.row(0)[0], 0x32);
    EXPECT_EQ(n.row(0)[1], 0x10);
}

TEST(BitmapTransform, FillValueLandsWhereTheMappingLeavesTheSource) {
    const Bitmap in = Pattern(4, 4, 24);
    const Bitmap out = TransformBitmap(in, 6, 4, {4, 4, 0}, 0x0000FF, [](int x, int y, const MappingParams&) {
        return SourcePoint{x, y};
    });
    EXPECT_EQ(Raw(out, 3, 2), Raw(in, 3, 2));
    EXPECT_EQ(out.pixelColor(5, 0), (Rgb{255, 0, 0}));
}

enum class Command { Right, Left, Half, MirrorLR, MirrorTB, Reset };

TEST(TransformState, ComposesTheCommandsInOrder) {
    TransformState s;
    s.TurnRight();
    s.MirrorLeftRight();
    EXPECT_EQ(s, (TransformState{3, true}));
    s.Reset();
    s.MirrorTopBottom();
    EXPECT_EQ(s, (TransformState{2, true}));
    s.MirrorTopBottom();
    EXPECT_EQ(s, TransformState{});
    for (int i = 0; i < 4; ++i) s.TurnRight();
    EXPECT_EQ(s, TransformState{});
    s.MirrorLeftRight();
    s.MirrorLeftRight();
    EXPECT_FALSE(s.active());

    // Any command sequence: ApplyTransform of the state equals doing the commands one by one.
    const Bitmap start = Pattern(7, 3, 8);
    std::mt19937 rng(5);
    for (int trial = 0; trial < 200; ++trial) {
        TransformState state;
        Bitmap expected = start;
        for (int step = 0; step < 6; ++step) {
            switch (static_cast<Command>(rng() % 6)) {
            case Command::Right: state.TurnRight(), expected = RotateBitmap(expected, 0); break;
            case Command::Left: state.TurnLeft(), expected = RotateBitmap(expected, 2); break;
            case Command::Half: state.Turn180(), expected = RotateBitmap(expected, 1); break;
            case Command::MirrorLR: state.MirrorLeftRight(), expected = MirrorHorizontal(expected); break;
            case Command::MirrorTB: state.MirrorTopBottom(), expected = FlipVertical(expected); break;
            case Command::Reset: state.Reset(), expected = start; break;
            }
        }
        SCOPED_TRACE(testing::Message() << int(state.Rotation) << state.Mirrored);
        ExpectMapped(ApplyTransform(start, state), expected, expected.width(), expected.height(), [](int x, int y) {
            return std::pair{x, y};
        });
    }
}

}  // namespace
}  // namespace zorvane

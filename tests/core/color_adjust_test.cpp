#include <gtest/gtest.h>

#include "core/color_adjust.h"
#include "platform/byte_reader.h"
#include "support/icon_builder.h"

namespace zorvane {
namespace {

struct Rgb3 {
    int r, g, b;
    friend bool operator==(const Rgb3&, const Rgb3&) = default;
};
void PrintTo(const Rgb3& c, std::ostream* os) { *os << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

Rgb3 Adjust(Rgb3 c, int hue, int sat, int val) {
    const PackedColor p = AdjustColor(static_cast<PackedColor>((c.r << 16) | (c.g << 8) | c.b), hue, sat, val);
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
}

TEST(AdjustColor, WorkedResultsComeOutExactly) {
    EXPECT_EQ(Adjust({10, 200, 30}, 30, -20, 10), (Rgb3{56, 225, 158}));
    EXPECT_EQ(Adjust({128, 64, 32}, -90, 50, -25), (Rgb3{53, 0, 64}));
    EXPECT_EQ(Adjust({200, 100, 50}, 0, 0, 0), (Rgb3{199, 99, 49}));
    EXPECT_EQ(Adjust({0, 0, 255}, 180, 0, 0), (Rgb3{255, 255, 0}));
    EXPECT_EQ(Adjust({255, 255, 255}, 90, 100, 0), (Rgb3{127, 255, 0}));
    EXPECT_EQ(Adjust({255, 0, 0}, 120, 0, 0), (Rgb3{0, 255, 0}));
    EXPECT_EQ(Adjust({255, 0, 0}, -120, 0, 0), (Rgb3{0, 0, 255}));
    EXPECT_EQ(Adjust({0, 0, 0}, 0, 0, 100), (Rgb3{255, 255, 255}));
    // max = R = G takes the red branch: hue 60, so a shift of 60 gives pure green's hue.
    EXPECT_EQ(Adjust({200, 200, 0}, 60, 0, 0), (Rgb3{0, 199, 0}));
}

TEST(AdjustColor, GreyLevelsWithoutOffsetsLoseOneByTruncation) {
    int lost = 0;
    for (int g = 0; g < 256; ++g) {
        const Rgb3 out = Adjust({g, g, g}, 0, 0, 0);
        ASSERT_EQ(out.r, out.g);
        ASSERT_EQ(out.g, out.b);
        ASSERT_TRUE(out.r == g || out.r == g - 1) << g;
        lost += out.r != g;
    }
    EXPECT_EQ(lost, 143);
    const int in[] = {1, 2, 3, 17, 85, 128, 200, 51, 127, 254, 255};
    const int out[] = {0, 1, 2, 16, 84, 127, 199, 51, 127, 254, 255};
    for (std::size_t i = 0; i < std::size(in); ++i)
        EXPECT_EQ(Adjust({in[i], in[i], in[i]}, 0, 0, 0).r, out[i]) << in[i];
}

TEST(AdjustColor, HueWrapsSaturationAndValueClampAndTheFourthByteStays) {
    for (PackedColor c : {0x12345678u, 0x00FF8000u, 0xFF0A0BC0u, 0x80FFFFFFu}) {
        EXPECT_EQ(AdjustColor(c, 900, 0, 0), AdjustColor(c, 180, 0, 0));
        EXPECT_EQ(AdjustColor(c, -540, 0, 0), AdjustColor(c, 180, 0, 0));
        EXPECT_EQ(AdjustColor(c, 0, 250, 0), AdjustColor(c, 0, 100, 0));
        EXPECT_EQ(AdjustColor(c, 0, 0, -300), c & 0xFF000000u);
        EXPECT_EQ(AdjustColor(c, 7, 3, 1) >> 24, c >> 24);
        // Saturation -100 leaves the grey of the colour's value.
        const unsigned v = std::max({(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF});
        const unsigned grey = AdjustColor(v * 0x010101u, 0, 0, 0) & 0xFF;
        EXPECT_EQ(AdjustColor(c, 45, -100, 0) & 0xFFFFFF, grey * 0x010101u);
    }
    // (54, 154, 59) has hue 122.99999999999999; shifted by -123 it wraps to exactly 360,
    // which is red's hue 0, not a seventh sector.
    EXPECT_EQ(AdjustColor(0x12369A3B, -123, 20, -10), 0x12801313u);
    // A far-away hue lands where single steps of 360 would bring it.
    EXPECT_EQ(AdjustColor(0x00C86432, 360 * 100000 + 37, 0, 0), AdjustColor(0x00C86432, 37, 0, 0));
}

TEST(AdjustColor, RgbVariantWritesOnlyThreeBytesBlueFirst) {
    std::uint8_t dest[4] = {9, 9, 9, 0xAB};
    AdjustColorRGB(120, 0, 0, 0xFF0000, dest);
    EXPECT_EQ(dest[0], 0);
    EXPECT_EQ(dest[1], 255);
    EXPECT_EQ(dest[2], 0);
    EXPECT_EQ(dest[3], 0xAB);
}

TEST(AdjustIconImageColors, ConvertsTablesOrPixelsLeavesThemWithoutOffsetsAndRefusesOtherDepths) {
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        const auto original = test::MakeIconImage({16, 16, bits, 3});
        auto image = original;
        RecordingMessageSink sink;
        ASSERT_TRUE(AdjustIconImageColors(image, 60, 0, 0, 16, 16, static_cast<std::uint16_t>(bits), sink));
        EXPECT_TRUE(sink.messages.empty());
        const std::size_t start = 40 + (bits <= 8 ? 4u << bits : 0u);
        if (bits <= 8) {
            // Table entries converted with their reserved byte kept; indices and mask untouched.
            for (std::size_t e = 40; e < start; e += 4) {
                const PackedColor in = ByteReader(original).u32le(e);
                const PackedColor out = ByteReader(image).u32le(e);
                EXPECT_EQ(out, AdjustColor(in, 60, 0, 0));
            }
            EXPECT_TRUE(std::equal(image.begin() + static_cast<long>(start), image.end(),
                                   original.begin() + static_cast<long>(start)));
        } else {
            if (bits == 32) {
                EXPECT_EQ(image[start + 3], original[start + 3]);  // alpha kept
            }
            PackedColor in = ByteReader(original).u32le(start) & 0xFFFFFF;
            EXPECT_EQ(image[start], AdjustColor(in, 60, 0, 0) & 0xFF);
            EXPECT_EQ(image.back(), original.back());  // the mask is never touched
        }
        // Asked for no change, the model (not the identity at offsets 0) is not run at all.
        auto unchanged = original;
        EXPECT_TRUE(AdjustIconImageColors(unchanged, 0, 0, 0, 16, 16, static_cast<std::uint16_t>(bits), sink));
        EXPECT_EQ(unchanged, original);
    }
    auto image = test::MakeIconImage({16, 16, 8, 1});
    const auto before = image;
    RecordingMessageSink sink;
    EXPECT_FALSE(AdjustIconImageColors(image, 10, 0, 0, 16, 16, 16, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(sink.messages[0].text, "16ビットの形式には対応していません。");
    EXPECT_EQ(image, before);
}

TEST(AdjustIconImageColors, DirectoryClaimingMorePixelsThanTheDataHoldsRaises) {
    auto image = test::MakeIconImage({16, 16, 32, 1});
    RecordingMessageSink sink;
    for (int hue : {10, 0}) {
        EXPECT_THROW(AdjustIconImageColors(image, hue, 0, 0, 200, 200, 32, sink), ReadError);
        auto cut = image;
        cut.resize(100);
        EXPECT_THROW(AdjustIconImageColors(cut, hue, 0, 0, 16, 16, 8, sink), ReadError);
    }
}

// The model lowers many colours by a level even at offsets 0 (see the grey levels above);
// bitmaps asked for no change keep every pixel.
TEST(AdjustPreviewColors, NoOffsetsLeaveEveryPixelAsItIs) {
    Bitmap grey(3, 1, 32);
    for (int x = 0; x < 3; ++x) std::fill_n(grey.row(0) + 4 * x, 4, static_cast<std::uint8_t>(85 + x));
    EXPECT_EQ(AdjustPreviewColors(grey, 0, 0, 0).pixels(), grey.pixels());
    EXPECT_EQ(AdjustBitmapColors(grey, 0, 0, 0).pixels(), grey.pixels());
    EXPECT_NE(AdjustBitmapColors(grey, 360, 0, 0).pixels(), grey.pixels()) << "a full turn is still the model";
}

TEST(AdjustPreviewColors, KeyColourIsLeftAloneAndOthersConverted) {
    Bitmap b(2, 1, 32);
    b.row(0)[0] = 254, b.row(0)[1] = 255, b.row(0)[2] = 255, b.row(0)[3] = 0x11;  // the key colour
    b.row(0)[4] = 0, b.row(0)[5] = 0, b.row(0)[6] = 255, b.row(0)[7] = 0x22;      // red
    const Bitmap out = AdjustPreviewColors(b, 120, 50, -30);
    EXPECT_EQ(out.pixelColor(0, 0), (Rgb{255, 255, 254}));
    EXPECT_EQ(out.row(0)[3], 0x11);
    EXPECT_EQ(out.pixelColor(1, 0), (Rgb{0, 178, 0}));
    EXPECT_EQ(out.row(0)[7], 0x22);
}

}  // namespace
}  // namespace zorvane

namespace zorvane {
namespace {

// The conversion written plainly, every formula in extended precision and rounded once when
// stored. The library takes shortcuts that must not change a single result.
PackedColor PlainAdjust(PackedColor color, int hue, int sat, int val) {
    using Ext = long double;
    auto store = [](Ext x) { return static_cast<double>(x); };
    const int r = (color >> 16) & 0xFF, g = (color >> 8) & 0xFF, b = color & 0xFF;
    const int mx = std::max({r, g, b}), mn = std::min({r, g, b}), delta = mx - mn;
    double S = mx ? store(Ext(delta) / mx) : 0.0, V = store(Ext(mx) / 255), H = 0;
    if (S != 0) {
        H = mx == r   ? store(Ext(g - b) / delta)
            : mx == g ? store(Ext(b - r) / delta + 2)
                      : store(Ext(r - g) / delta + 4);
        H = store(Ext(H) * 60);
        if (H < 0) H = store(Ext(H) + 360);
    }
    H = store(Ext(hue) + H);
    S = std::clamp(store(Ext(sat) / 100 + S), 0.0, 1.0);
    V = std::clamp(store(Ext(val) / 100 + V), 0.0, 1.0);
    while (H > 359) H = store(Ext(H) - 360);
    while (H < 0) H = store(Ext(H) + 360);
    auto ch = [](double x) { return static_cast<PackedColor>(static_cast<int>(Ext(x) * 255)); };
    PackedColor R, G, B;
    if (S == 0) {
        R = G = B = ch(V);
    } else {
        const double h = store(Ext(H) / 60);
        const int i = static_cast<int>(h);
        const double f = store(Ext(h) - i), p = store((1 - Ext(S)) * V), q = store((1 - Ext(S) * f) * V),
                     t = store((1 - (1 - Ext(f)) * S) * V);
        const double rgb[6][3] = {{V, t, p}, {q, V, p}, {p, V, t}, {p, q, V}, {t, p, V}, {V, p, q}};
        R = ch(rgb[i % 6][0]), G = ch(rgb[i % 6][1]), B = ch(rgb[i % 6][2]);
    }
    return B | (G << 8) | (R << 16) | (color & 0xFF000000u);
}

TEST(AdjustColor, AgreesWithThePlainExtendedPrecisionFormulas) {
    const int offsets[][3] = {{0, 0, 0}, {37, 0, 0}, {-123, 20, -10}, {900, -50, 30}, {359, -3, 7}, {1, 100, -100}};
    for (const auto& o : offsets)
        for (PackedColor c = 0x12000000u; c < 0x13000000u; c += 4099)
            ASSERT_EQ(AdjustColor(c, o[0], o[1], o[2]), PlainAdjust(c, o[0], o[1], o[2]))
                << std::hex << c << std::dec << " " << o[0] << " " << o[1] << " " << o[2];
}

}  // namespace
}  // namespace zorvane

// The GIF writer: header bytes of the save paths' cases, the colour-map optimisation, LZW
// against our own decoder, Pillow and giflib's gif2rgb.

#include <gtest/gtest.h>

#include <algorithm>

#include "encoders/encoder_test_support.h"
#include "encoders/gif_image.h"
#include "encoders/gif_lzw.h"
#include "encoders/reduce_to_palette.h"
#include "encoders/save_encoding.h"
#include "support/allocation_probe.h"
#include "support/test_support.h"

namespace zorvane::test {
namespace {

Bytes Slice(const Bytes& b, std::size_t from, std::size_t count) {
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(from), b.begin() + static_cast<std::ptrdiff_t>(from + count));
}
std::string Signature(const Bytes& gif) { return std::string(gif.begin(), gif.begin() + 6); }

// Offset of the image descriptor: after the screen descriptor and any extension.
std::size_t DescriptorAt(const Bytes& gif) { return gif[13] == 0x21 ? 13 + 8 : 13; }

TEST(GifWriter, TrueColourWithoutTransparencyIsA256ColourGif87a) {
    const Bytes gif = EncodeGifForSave(PatternBitmap(16, 16, 24), false);
    EXPECT_EQ(Signature(gif), "GIF87a");
    EXPECT_EQ(Slice(gif, 6, 7), (Bytes{16, 0, 16, 0, 0x77, 0, 0}));
    EXPECT_EQ(Slice(gif, 13, 10), (Bytes{0x2C, 0, 0, 0, 0, 16, 0, 16, 0, 0x87}));
    EXPECT_EQ(gif[23 + 768], 8);  // minimum code size after the 256-entry table
    EXPECT_EQ(gif.back(), 0x3B);
}

TEST(GifWriter, TransparencySortsTheMapAndAppendsBlack) {
    Bitmap source = PatternBitmap(16, 16, 24);
    const Bytes gif = EncodeGifForSave(source, true);
    EXPECT_EQ(Signature(gif), "GIF89a");
    ASSERT_EQ(Slice(gif, 13, 3), (Bytes{0x21, 0xF9, 4}));
    EXPECT_EQ(gif[16], 1);
    const std::uint8_t transparent = gif[19];
    EXPECT_EQ(gif[20], 0);
    const std::uint8_t flags = gif[DescriptorAt(gif) + 9];
    EXPECT_EQ(flags & 0xA0, 0xA0);  // local table, sorted
    const std::size_t table = DescriptorAt(gif) + 10;
    EXPECT_EQ(Slice(gif, table + 3u * transparent, 3), (Bytes{0, 0, 0}));
    const DecodedGif decoded = DecodeGif(gif);
    // The bottom-left pixel is transparent; the other entries follow their use, most used
    // first (the bottom-left colour's own entry is left unused).
    EXPECT_EQ(decoded.indices[15 * 16], transparent);
    std::vector<int> uses(transparent);
    for (std::uint8_t i : decoded.indices)
        if (i < transparent) ++uses[i];
    EXPECT_EQ(std::count(uses.begin(), uses.end(), 0), 1);
    uses.erase(std::find(uses.begin(), uses.end(), 0));
    EXPECT_TRUE(std::is_sorted(uses.rbegin(), uses.rend()));
}

// All 256 entries used: no room for a transparent entry; the map is still optimised.
TEST(GifWriter, AFull256ColourMapIsWrittenWithoutTransparency) {
    Bitmap b(16, 16, 8);
    b.palette().resize(256);
    for (int i = 0; i < 256; ++i) {
        b.palette()[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), 0, 0};
        b.setPixelIndex(i % 16, i / 16, static_cast<std::uint8_t>(i));
    }
    const Bytes gif = EncodeGifForSave(b, true);
    EXPECT_EQ(Signature(gif), "GIF89a");
    EXPECT_EQ(gif[13], 0x2C);
    EXPECT_EQ(gif[13 + 9], 0x80 | 0x20 | 7);
}

TEST(GifWriter, OneBitImageTakesWhiteAsTransparentAndCodeSizeTwo) {
    Bitmap b(4, 2, 1);
    b.palette() = {{0, 0, 0}, {255, 255, 255}};
    b.setPixelIndex(1, 0, 1);
    b.setPixelIndex(2, 1, 1);
    b.setPixelIndex(3, 1, 1);
    const Bytes gif = EncodeGifForSave(b, true);
    // Two colours plus the transparent entry: a table of 4, b = 2.
    EXPECT_EQ(gif[10], 0x11);
    EXPECT_EQ(gif[DescriptorAt(gif) + 9] & 7, 1);
    const DecodedGif decoded = DecodeGif(gif);
    EXPECT_EQ(decoded.minCodeSize, 2);
    EXPECT_EQ(decoded.indices, (Bytes{0, 2, 0, 0, 0, 0, 2, 2}));
    EXPECT_EQ(gif[19], 2);

    const Bytes opaque = EncodeGifForSave(b, false);
    EXPECT_EQ(Signature(opaque), "GIF87a");
    EXPECT_EQ(opaque[10], 0x00);
    EXPECT_EQ(DecodeGif(opaque).minCodeSize, 2);
}

TEST(GifWriter, OnePixelIsClearPixelEndInOneSubBlock) {
    Bitmap b(1, 1, 1);
    b.palette() = {{0, 0, 0}, {255, 255, 255}};
    const Bytes gif = EncodeGifForSave(b, false);
    // Codes 4, 0, 5 at three bits each, least significant bit first.
    const std::size_t data = 13 + 10 + 6;
    EXPECT_EQ(Slice(gif, data, 6), (Bytes{2, 2, 0x44, 0x01, 0, 0x3B}));
}

TEST(GifWriter, LargeImagesRestartTheStringTable) {
    Bitmap b = PatternBitmap(300, 200, 8, 11);
    const Bytes gif = EncodeGifForSave(b, false);
    const DecodedGif decoded = DecodeGif(gif);
    EXPECT_GT(decoded.clearCodes, 2);
    Bytes expected;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) expected.push_back(b.pixelIndex(x, y));
    EXPECT_EQ(decoded.indices, expected);
}

TEST(GifWriter, MapOptimisationSortsByUseWithItsQuicksort) {
    std::vector<TColorCount> pairs = {{1, 0}, {3, 1}, {3, 2}, {0, 3}, {2, 4}};
    SortByCountDescending(pairs, 0, 4);
    std::vector<int> order;
    for (const auto& p : pairs) order.push_back(p.index);
    EXPECT_EQ(order, (std::vector<int>{2, 1, 4, 0, 3}));

    TGIFColorMap map;
    map.Assign({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}});
    Bytes pixels = {0, 1, 1, 1, 2, 2, 2, 4, 4};
    map.Optimize(pixels);
    EXPECT_TRUE(map.optimized());
    EXPECT_EQ(map.colors(), (std::vector<Rgb>{{2, 2, 2}, {1, 1, 1}, {4, 4, 4}, {0, 0, 0}}));
    EXPECT_EQ(pixels, (Bytes{3, 1, 1, 1, 0, 0, 0, 2, 2}));

    // Already in order: nothing moves, and unused entries stay.
    TGIFColorMap ordered;
    ordered.Assign({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}});
    Bytes same = {0, 0, 1};
    ordered.Optimize(same);
    EXPECT_EQ(ordered.count(), 3);
    EXPECT_EQ(same, (Bytes{0, 0, 1}));
}

// Sides beyond 16 bits would be written wrapped, and a 1-bit bitmap within the bitmap limit
// can hold eight times as many pixels as the writer's one-byte-per-pixel buffer allows:
// both are refused before the buffer is made. The widest GIF is still written.
TEST(GifWriter, BitmapsAGifCannotHoldAreRefused) {
    TGIFImage gif;
    EXPECT_THROW(gif.Assign(Bitmap(65536, 1, 1)), BitmapTooLarge);
    EXPECT_THROW(gif.Assign(Bitmap(1, 65536, 8)), BitmapTooLarge);
    const Bitmap many(65535, 4200, 1);
    const std::size_t largest = LargestAllocationDuring([&] { EXPECT_THROW(gif.Assign(many), BitmapTooLarge); });
    EXPECT_LT(largest, std::size_t{1} << 20);
    const Bytes wide = EncodeGifForSave(Bitmap(65535, 1, 1), false);
    EXPECT_EQ(Slice(wide, 6, 4), (Bytes{0xFF, 0xFF, 1, 0}));
}

TEST(GifWriter, ErrorTexts) {
    Bytes out;
    TLZWEncoder encoder(out, 1, 2);
    try {
        encoder.Encode(Bytes{0, 1, 2});
        ADD_FAILURE();
    } catch (const EGIFError& e) {
        EXPECT_STREQ(e.what(), "Color not in color table");
    }
    TGIFColorMap map;
    map.Assign(std::vector<Rgb>(256));
    try {
        map.Add({});
        ADD_FAILURE();
    } catch (const EGIFError& e) {
        EXPECT_STREQ(e.what(), "Color table overflow");
    }
}

struct GifCase {
    std::string name;
    Bitmap bitmap;  // what the GIF must show, already reduced
    bool transparent;
};

// What a viewer shows: the bitmap's colours, transparent pixels as black with alpha 0 (unless
// the map was full and transparency was given up).
Bytes ExpectedGifRgba(const GifCase& c, const Bytes& gif) {
    const bool written = gif[13] == 0x21;
    const TColor key = c.bitmap.bitsPerPixel() == 1 ? 0xFFFFFF
                                                    : ToTColor(c.bitmap.pixelColor(0, c.bitmap.height() - 1));
    Bytes out;
    for (int y = 0; y < c.bitmap.height(); ++y)
        for (int x = 0; x < c.bitmap.width(); ++x) {
            const Rgb p = c.bitmap.pixelColor(x, y);
            if (written && ToTColor(p) == key)
                out.insert(out.end(), {0, 0, 0, 0});
            else
                out.insert(out.end(), {p.red, p.green, p.blue, 255});
        }
    return out;
}

std::vector<GifCase> GifCases() {
    std::vector<GifCase> cases;
    for (int bpp : {1, 4, 8})
        for (bool t : {false, true}) {
            const std::string suffix = std::to_string(bpp) + (t ? "-t" : "-o");
            cases.push_back({"b" + suffix, PatternBitmap(37, 23, bpp, 5), t});
            cases.push_back({"one" + suffix, PatternBitmap(1, 1, bpp, 2), t});
        }
    for (bool t : {false, true}) {
        Bitmap truecolour = PatternBitmap(64, 48, 32, 8);
        cases.push_back({std::string("reduced") + (t ? "t" : ""), ReduceForGif(truecolour), t});
    }
    cases.push_back({"large", PatternBitmap(300, 200, 8, 11), false});
    return cases;
}

TEST(GifWriter, PillowAndGiflibShowWhatWeWrote) {
    TempDir dir;
    const std::vector<GifCase> cases = GifCases();
    std::vector<std::filesystem::path> paths;
    std::vector<Bytes> expected;
    for (const GifCase& c : cases) {
        const Bytes gif = EncodeGifForSave(c.bitmap, c.transparent);
        paths.push_back(dir / (c.name + ".gif"));
        WriteFile(paths.back(), gif);
        expected.push_back(ExpectedGifRgba(c, gif));
    }
    const std::vector<std::string> dumps = PillowDump(paths);
    ASSERT_EQ(dumps.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(dumps[i].substr(dumps[i].rfind(' ') + 1), Hex(expected[i])) << cases[i].name;

    if (!HaveProgram("gif2rgb")) GTEST_SKIP() << "giflib tools missing";
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto rgb = dir / (cases[i].name + ".rgb");
        const CommandResult r = RunCommand("gif2rgb -1 -o " + ShellQuote(rgb.string()) + " " +
                                           ShellQuote(paths[i].string()));
        ASSERT_EQ(r.exitCode, 0) << cases[i].name << r.err;
        Bytes want;
        for (std::size_t k = 0; k < expected[i].size(); k += 4)
            want.insert(want.end(), expected[i].begin() + static_cast<std::ptrdiff_t>(k),
                        expected[i].begin() + static_cast<std::ptrdiff_t>(k + 3));
        EXPECT_EQ(ReadFile(rgb), want) << cases[i].name;
    }
}

}  // namespace
}  // namespace zorvane::test

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "core/color_adjust.h"
#include "core/icon_by_index.h"
#include "core/icon_compositor.h"
#include "core/preview_icon.h"
#include "encoders/bgra_to_png.h"
#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::MakeIconFile;
using test::MakeIconImage;

TIconStream StreamOf(const std::vector<std::uint8_t>& file) {
    TIconStream stream;
    stream.write(file);
    return stream;
}

Rgb Pixel(const Bitmap& b, int x, int y) { return b.pixelColor(x, y); }

// A 32-bit icon image, one row, from (blue, green, red, alpha) pixels; the mask marks the
// pixels listed in transparent.
std::vector<std::uint8_t> Image32(const std::vector<std::array<std::uint8_t, 4>>& pixels, std::uint8_t maskBits) {
    const int width = static_cast<int>(pixels.size());
    std::vector<std::uint8_t> v(40, 0);
    v[0] = 40;
    v[4] = static_cast<std::uint8_t>(width);
    v[8] = 2;
    v[12] = 1;
    v[14] = 32;
    for (const auto& p : pixels) v.insert(v.end(), p.begin(), p.end());
    v.insert(v.end(), {maskBits, 0, 0, 0});
    return v;
}

TEST(IconCompositor, TheMaskShowsTheBackgroundAndTheColourElsewhere) {
    const auto file = MakeIconFile({{16, 16, 8, 3}});
    const TIconStream stream = StreamOf(file);
    std::string info;
    const auto icon = CreatePreviewIcon(stream, 0, info);
    ASSERT_TRUE(icon);
    EXPECT_EQ(info, "No.1 : 16px × 16px  色数:8ビット");
    const Bitmap work = BuildPreviewBitmap(*icon, {}, PreviewKeyColor);
    ASSERT_EQ(work.width(), 16);
    ASSERT_EQ(work.height(), 17);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(ToTColor(Pixel(work, 0, y)), PreviewKeyColor) << "left column is masked, row " << y;
        EXPECT_EQ(Pixel(work, 5, y), Pixel(icon->bitmaps.color, 5, y));
    }
    for (int x = 0; x < 16; ++x) EXPECT_EQ(ToTColor(Pixel(work, x, 16)), PreviewKeyColor) << "pad row";
}

TEST(IconCompositor, ImagesAreStretchedToTheirDirectorySize) {
    // A 16 x 16 image listed as 32 x 32: the masked column becomes two pixels wide.
    auto raw = MakeIconImage({16, 16, 4});
    const TIconStream stream = StreamOf(test::MakeIconFileFromRaw({{32, 32, 4, raw}}));
    std::string info;
    const auto icon = CreatePreviewIcon(stream, 0, info);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->bitmaps.color.width(), 32);
    EXPECT_EQ(icon->bitmaps.mask.height(), 32);
    EXPECT_EQ(icon->bitmaps.mask.pixelIndex(1, 30), 1);
    EXPECT_EQ(icon->bitmaps.mask.pixelIndex(2, 30), 0);
}

TEST(IconCompositor, ThirtyTwoBitImagesBlendByAlphaUnlessTheirAlphaIsUnused) {
    const auto blended = StreamOf(
        test::MakeIconFileFromRaw({{3, 1, 32, Image32({{0, 0, 255, 128}, {10, 20, 30, 0}, {0, 255, 0, 255}}, 0x00)}}));
    std::string info;
    auto icon = CreatePreviewIcon(blended, 0, info);
    ASSERT_TRUE(icon);
    Bitmap work = BuildPreviewBitmap(*icon, {}, PreviewKeyColor);
    EXPECT_EQ(Pixel(work, 0, 0), (Rgb{255, 127, 127}));
    EXPECT_EQ(ToTColor(Pixel(work, 1, 0)), PreviewKeyColor);
    EXPECT_EQ(Pixel(work, 2, 0), (Rgb{0, 255, 0}));

    // All alpha bytes 0: an old-style image drawn through its mask (first pixel masked).
    const auto masked = StreamOf(
        test::MakeIconFileFromRaw({{2, 1, 32, Image32({{0, 0, 255, 0}, {10, 20, 30, 0}}, 0x80)}}));
    icon = CreatePreviewIcon(masked, 0, info);
    ASSERT_TRUE(icon);
    work = BuildPreviewBitmap(*icon, {}, PreviewKeyColor);
    EXPECT_EQ(ToTColor(Pixel(work, 0, 0)), PreviewKeyColor);
    EXPECT_EQ(Pixel(work, 1, 0), (Rgb{30, 20, 10}));
}

TEST(IconCompositor, NearestPixelStretchGivesThePadRowTheRestOfTheRows) {
    Bitmap column(1, 49, 32);
    for (int y = 0; y < 49; ++y) column.row(y)[0] = static_cast<std::uint8_t>(y);
    const Bitmap tall = StretchToSize(column, 3, 8 * 48 + 1, false);
    ASSERT_EQ(tall.height(), 385);
    EXPECT_EQ(tall.row(0)[8], 0);
    EXPECT_EQ(tall.row(377)[0], 47);
    for (int y = 378; y < 385; ++y) EXPECT_EQ(tall.row(y)[4], 48) << y;

    Bitmap gray(2, 1, 32);
    std::memset(gray.row(0), 0xFF, 4);  // white, then black
    const Bitmap mono = StretchToSize(gray, 4, 2, true);
    EXPECT_EQ(mono.bitsPerPixel(), 1);
    EXPECT_EQ(mono.pixelIndex(1, 1), 1);
    EXPECT_EQ(mono.pixelIndex(2, 1), 0);
}

// A part of the stretch is that rectangle of the whole stretch, clipped to it.
TEST(IconCompositor, APartOfTheStretchIsTheSameRectangleOfTheWholeStretch) {
    Bitmap source(5, 7, 32);
    for (std::size_t i = 0; i < source.pixels().size(); ++i) source.pixels()[i] = static_cast<std::uint8_t>(i * 7);
    const Bitmap whole = StretchToSize(source, 40, 49, false);
    struct Rect {
        int x, y, w, h;
    };
    for (const Rect r : {Rect{0, 0, 40, 49}, Rect{3, 9, 11, 5}, Rect{35, 44, 10, 10}, Rect{-2, -3, 4, 5}}) {
        const Bitmap part = StretchPartToSize(source, 40, 49, r.x, r.y, r.w, r.h);
        const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
        ASSERT_EQ(part.width(), std::min(r.x + r.w, 40) - x0) << r.x;
        ASSERT_EQ(part.height(), std::min(r.y + r.h, 49) - y0) << r.y;
        for (int y = 0; y < part.height(); ++y)
            EXPECT_EQ(std::memcmp(part.row(y), whole.row(y0 + y) + 4 * x0, 4 * static_cast<std::size_t>(part.width())),
                      0)
                << r.x << "," << r.y << " row " << y;
    }
}

TEST(PreviewIcon, TheInformationLineUsesTheDirectoryEvenWhenNothingCanBeDrawn) {
    EXPECT_EQ(ImageInfoLine(1, 32, 32, 8), "No.1 : 32px × 32px  色数:8ビット");
    auto sixteen = MakeIconImage({16, 16, 8, 1});
    sixteen[14] = 16;
    std::string info;
    EXPECT_FALSE(CreatePreviewIcon(StreamOf(test::MakeIconFileFromRaw({{16, 16, 16, sixteen}})), 0, info));
    EXPECT_EQ(info, "No.1 : 16px × 16px  色数:16ビット");
}

// A PNG image of a 256-pixel entry (size bytes 0) is shown at 256 pixels, drawn by its alpha.
TEST(PreviewIcon, PngImagesAreDrawnAt256PixelsByTheirAlpha) {
    TIconStream stream;
    stream.buffer() = test::ReadFile(BuiltFixture("png256.ico"));
    std::string info;
    const auto icon = CreatePreviewIcon(stream, 0, info);
    EXPECT_EQ(info, "No.1 : 256px × 256px  色数:32ビット");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->width, 256);
    EXPECT_TRUE(icon->bitmaps.useAlpha);
    // The fixture's ramp: red x, green y, blue (x + y) / 2, opaque.
    const Bitmap shown = BuildPreviewBitmap(*icon, TransformState{}, PreviewKeyColor);
    ASSERT_EQ(shown.height(), 257);
    EXPECT_EQ(Pixel(shown, 200, 100), (Rgb{200, 100, 150}));

    // Clear pixels show the key colour behind the image.
    Bitmap clear(4, 4, 32);
    std::memset(clear.row(1), 0xFF, 4);
    const auto clearIcon = CreatePreviewIcon(StreamOf(test::MakeIconFileFromRaw({{4, 4, 32, EncodeRgbaPng(clear)}})), 0,
                                             info);
    ASSERT_TRUE(clearIcon);
    const Bitmap over = BuildPreviewBitmap(*clearIcon, TransformState{}, PreviewKeyColor);
    EXPECT_EQ(ToTColor(Pixel(over, 0, 0)), PreviewKeyColor);
    EXPECT_EQ(Pixel(over, 0, 1), (Rgb{255, 255, 255}));

    stream.buffer() = test::MakeIconFileFromRaw({{0, 0, 32, ReadIconImage(stream, 0)}});
    EXPECT_EQ(BestFitImage(stream), 0);
    const Bitmap cell = IconOfGroup(stream);
    ASSERT_EQ(cell.width(), 32);
    EXPECT_EQ(cell.row(4)[4 * 8 + 3], 255);
}

TEST(IconByIndex, PicksTheClosestSizeThenTheDeepestImage) {
    TIconStream many;
    many.buffer() = test::ReadFile(BuiltFixture("many.ico"));
    EXPECT_EQ(BestFitImage(many), 2);
    TIconStream png;
    png.buffer() = test::ReadFile(BuiltFixture("png256.ico"));
    EXPECT_EQ(BestFitImage(png), 1) << "the 32-pixel image is closer than the 256-pixel PNG";
    EXPECT_EQ(BestFitImage(TIconStream{}), -1);

    const Bitmap icon = IconByIndex(BuiltFixture("many.dll").string(), 159);
    ASSERT_EQ(icon.width(), 32);
    ASSERT_EQ(icon.height(), 32);
    EXPECT_EQ(icon.bitsPerPixel(), 32);
    EXPECT_TRUE(IconByIndex(BuiltFixture("many.dll").string(), 160).empty());
    EXPECT_TRUE(IconByIndex(BuiltFixture("missing.dll").string(), 0).empty());

    // Through the mask: the masked left column is transparent black.
    const Bitmap small = IconByIndex(BuiltFixture("small.ico").string(), 0);
    ASSERT_EQ(small.width(), 32);
    EXPECT_EQ(small.row(5)[3], 0);
    EXPECT_EQ(small.row(5)[4 * 1 + 3], 0) << "16 pixels stretched to 32: the column is two wide";
    EXPECT_EQ(small.row(5)[4 * 2 + 3], 255);
}

}  // namespace
}  // namespace zorvane

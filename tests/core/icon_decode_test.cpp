#include <gtest/gtest.h>

#include <cstring>

#include "core/bitmap_transform.h"
#include "core/color_adjust.h"
#include "core/icon_by_index.h"
#include "core/icon_decode.h"
#include "core/icon_encode.h"
#include "core/le_bytes.h"
#include "core/preview_icon.h"
#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

TIconStream StreamOf(const std::vector<std::uint8_t>& file) {
    TIconStream s;
    s.write(file);
    return s;
}

TIconStream RawStream(std::vector<std::uint8_t> image, int bits) {
    return StreamOf(test::MakeIconFileFromRaw({{32, 32, bits, std::move(image)}}));
}

TEST(IconImageToBitmap, KeepsDepthPaletteRowsAndAlphaAfterAdjustment) {
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        const TIconStream stream = StreamOf(test::MakeIconFile({{32, 32, bits, 4}}));
        RecordingMessageSink sink;
        const auto bitmap = IconImageToBitmap(stream, 0, 40, -10, 5, TransformState{}, sink);
        ASSERT_TRUE(bitmap);
        EXPECT_TRUE(sink.messages.empty());
        EXPECT_EQ(bitmap->bitsPerPixel(), bits);
        EXPECT_EQ(bitmap->width(), 32);
        EXPECT_EQ(bitmap->height(), 32);

        auto adjusted = ReadIconImage(stream, 0);
        AdjustIconImageColors(adjusted, 40, -10, 5, 32, 32, static_cast<std::uint16_t>(bits), sink);
        const std::size_t table = bits <= 8 ? 4u << bits : 0;
        ASSERT_EQ(bitmap->palette().size(), bits <= 8 ? std::size_t{1} << bits : 0u);
        for (std::size_t i = 0; i < bitmap->palette().size(); ++i)
            EXPECT_EQ(bitmap->palette()[i],
                      (Rgb{adjusted[40 + 4 * i + 2], adjusted[40 + 4 * i + 1], adjusted[40 + 4 * i]}));
        const std::size_t r = bitmap->rowBytes();
        for (int y = 0; y < 32; ++y)
            ASSERT_EQ(std::memcmp(bitmap->row(y), adjusted.data() + 40 + table + static_cast<std::size_t>(31 - y) * r,
                                  r),
                      0)
                << y;
    }
}

TEST(IconImageToBitmap, AppliesTheGeometryAfterDecoding) {
    const TIconStream stream = StreamOf(test::MakeIconFile({{16, 16, 4, 2}}));
    SilentMessageSink sink;
    TransformState state;
    state.TurnRight();
    state.MirrorLeftRight();
    const auto plain = IconImageToBitmap(stream, 0, 0, 0, 0, TransformState{}, sink);
    const auto turned = IconImageToBitmap(stream, 0, 0, 0, 0, state, sink);
    ASSERT_TRUE(plain && turned);
    EXPECT_EQ(turned->pixels(), MirrorHorizontal(RotateBitmap(*plain, 0)).pixels());
}

TEST(IconImageToBitmap, RefusesWhatItCannotDecodeWithAMessage) {
    struct Case {
        std::vector<std::uint8_t> image;
        MessageKind kind;
        std::string message;
    };
    // Neither a bitmap nor a PNG: its "bit count" is whatever stands at offset 14.
    std::vector<std::uint8_t> garbage = {'J', 'F', 'I', 'F', 0, 0, 0, 0, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    garbage.resize(64, 0);
    auto sixteen = test::MakeIconImage({32, 32, 8, 1});
    sixteen[14] = 16;
    auto topDown = test::MakeIconImage({32, 32, 8, 1});
    PutU32le(topDown.data() + 8, static_cast<std::uint32_t>(-64));
    auto noWidth = test::MakeIconImage({32, 32, 8, 1});
    PutU32le(noWidth.data() + 4, 0);
    const Case cases[] = {
        {garbage, MessageKind::Information, "21060ビットの形式には対応していません。"},
        {sixteen, MessageKind::Information, "16ビットの形式には対応していません。"},
        {topDown, MessageKind::Information, kTopDownIconMessage},
        {noWidth, MessageKind::Warning, "ビットマップの作成に失敗しました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        RecordingMessageSink sink;
        EXPECT_FALSE(IconImageToBitmap(RawStream(c.image, 8), 0, 0, 0, 0, TransformState{}, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].kind, c.kind);
        EXPECT_EQ(sink.messages[0].text, c.message);
    }
}

TEST(IconImageToBitmap, SidesNoIconHasAreRefusedBeforeTheRowsAreExpanded) {
    // Run-length data of a few bytes may claim a 16-million-pixel row; a plain image of
    // 2000 rows would be refused too, before its missing rows are even looked for.
    auto wideRuns = test::MakeIconImage({32, 32, 8, 1});
    PutU32le(wideRuns.data() + 4, 0x00FDD43F);
    PutU32le(wideRuns.data() + 16, 1);  // BI_RLE8
    auto tall = test::MakeIconImage({32, 32, 8, 1});
    PutU32le(tall.data() + 8, 4000);
    auto edge = test::MakeIconImage({1024, 4, 8, 1});
    SilentMessageSink sink;
    for (const auto& image : {wideRuns, tall})
        EXPECT_THROW(IconImageToBitmap(RawStream(image, 8), 0, 0, 0, 0, TransformState{1, false}, sink),
                     BitmapTooLarge);
    const auto bitmap = IconImageToBitmap(RawStream(edge, 8), 0, 0, 0, 0, TransformState{}, sink);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width(), 1024);
}

TEST(IconImageToBitmap, TruncatedImageDataRaisesTheReadError) {
    auto image = test::MakeIconImage({32, 32, 24, 1});
    image.resize(40 + 32 * 96 - 1);  // one byte short of the colour rows
    SilentMessageSink sink;
    EXPECT_THROW(IconImageToBitmap(RawStream(image, 0), 0, 0, 0, 0, TransformState{}, sink), ReadError);
    image.resize(20);
    EXPECT_THROW(IconImageToBitmap(RawStream(image, 0), 0, 0, 0, 0, TransformState{}, sink), ReadError);
}

// A cursor's directory holds its hot spot where an icon's holds planes and bit count. Every
// reader of the bit count takes the image's own: listing, preview line, recolouring (as for
// the same images in an icon file), saving, and the best image for the grid and thumbnails.
TEST(IconImageToBitmap, ACursorsHotSpotIsNeverTakenForItsBitCount) {
    struct Image {
        int bits;
        test::HotSpot hotSpot;
    };
    struct Case {
        Image first, second;
        int deeper;
    };
    const Case cases[] = {
        {{8, {0, 24}}, {32, {5, 4}}, 1},  // 24 read as pixels of an 8-bit image, 4 as a table of 32 bits
        {{4, {0, 8}}, {1, {31, 31}}, 0},  // a table of 256 on a 4-bit image; no 31-bit format
        {{24, {16, 0}}, {8, {2, 32}}, 0},
        {{1, {3, 1}}, {24, {9, 1}}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first.bits * 100 + c.second.bits);
        std::vector<test::TestCursor> images;
        std::vector<test::TestImage> icons;
        for (const Image& i : {c.first, c.second}) {
            images.push_back({{32, 32, i.bits, 7}, i.hotSpot});
            icons.push_back({32, 32, i.bits, 7});
        }
        const TIconStream cursor = StreamOf(test::MakeCursorFile(images));
        const TIconStream icon = StreamOf(test::MakeIconFile(icons));
        EXPECT_EQ(BestFitImage(cursor), c.deeper);
        EXPECT_EQ(ThumbnailImage(cursor, 32), c.deeper);
        RecordingMessageSink sink;
        const auto savedCursor = EncodeIconGroup(cursor, 120, 10, -5, TransformState{}, sink);
        const auto savedIcon = EncodeIconGroup(icon, 120, 10, -5, TransformState{}, sink);
        ASSERT_TRUE(savedCursor && savedIcon);
        for (int i = 0; i < 2; ++i) {
            const int bits = (i == 0 ? c.first : c.second).bits;
            EXPECT_EQ(ListedBitCount(cursor, i), bits);
            std::string line;
            CreatePreviewIcon(cursor, i, line);
            EXPECT_EQ(line, ImageInfoLine(i + 1, 32, 32, bits));
            const auto shown = IconImageToBitmap(cursor, i, 120, 10, -5, TransformState{}, sink);
            const auto expected = IconImageToBitmap(icon, i, 120, 10, -5, TransformState{}, sink);
            ASSERT_TRUE(shown && expected);
            EXPECT_EQ(shown->pixels(), expected->pixels());
            EXPECT_EQ(shown->palette(), expected->palette());
            EXPECT_EQ(ReadIconImage(StreamOf(*savedCursor), i), ReadIconImage(StreamOf(*savedIcon), i));
        }
        EXPECT_TRUE(sink.messages.empty());
    }
}

// The series decoder gives, hue for hue, what the single image's decoding gives: the same
// bitmap, the same messages, the same error, over every depth, a PNG image, refused and
// short images, and directory bit counts that disagree with the header.
TEST(IconImageHues, MatchesTheSingleImageAtEveryHue) {
    auto topDown = test::MakeIconImage({32, 32, 8, 1});
    PutU32le(topDown.data() + 8, static_cast<std::uint32_t>(-64));
    auto sixteen = test::MakeIconImage({32, 32, 8, 1});
    sixteen[14] = 16;
    auto shortRows = test::MakeIconImage({32, 32, 24, 1});
    shortRows.resize(40 + 32 * 96 - 1);
    std::vector<TIconStream> streams;
    for (int bits : {1, 4, 8, 24, 32}) streams.push_back(StreamOf(test::MakeIconFile({{32, 32, bits, 5}})));
    streams.push_back(StreamOf(test::ReadFile(test::BuiltFixture("png256.ico"))));
    streams.push_back(RawStream(topDown, 8));
    streams.push_back(RawStream(sixteen, 8));
    streams.push_back(RawStream(shortRows, 0));
    streams.push_back(RawStream(test::MakeIconImage({32, 32, 8, 2}), 24));
    streams.push_back(RawStream(test::MakeIconImage({32, 32, 32, 3}), 16));
    TransformState turned;
    turned.TurnRight();
    const int hues[] = {0, 10, 190, 359, -400, 1000};
    for (std::size_t n = 0; n < streams.size(); ++n) {
        for (const auto& [saturation, value] : {std::pair{0, 0}, {-10, 5}, {100, -100}}) {
            SCOPED_TRACE(testing::Message() << "stream " << n << " s " << saturation << " v " << value);
            IconImageHues series(streams[n], 0, saturation, value, turned);
            for (int hue : hues) {
                RecordingMessageSink expectedSink, actualSink;
                std::optional<Bitmap> expected, actual;
                bool expectedThrew = false, actualThrew = false;
                try {
                    expected = IconImageToBitmap(streams[n], 0, hue, saturation, value, turned, expectedSink);
                } catch (const std::exception&) {
                    expectedThrew = true;
                }
                try {
                    actual = series.WithHue(hue, actualSink);
                } catch (const std::exception&) {
                    actualThrew = true;
                }
                ASSERT_EQ(actualThrew, expectedThrew) << hue;
                ASSERT_EQ(actual.has_value(), expected.has_value()) << hue;
                ASSERT_EQ(actualSink.messages.size(), expectedSink.messages.size()) << hue;
                for (std::size_t i = 0; i < actualSink.messages.size(); ++i)
                    EXPECT_EQ(actualSink.messages[i].text, expectedSink.messages[i].text);
                if (!actual) continue;
                EXPECT_EQ(actual->bitsPerPixel(), expected->bitsPerPixel());
                EXPECT_EQ(actual->width(), expected->width());
                EXPECT_EQ(actual->palette(), expected->palette()) << hue;
                EXPECT_EQ(actual->pixels(), expected->pixels()) << hue;
            }
        }
    }
}

}  // namespace
}  // namespace zorvane

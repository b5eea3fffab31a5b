// Icon groups holding PNG-compressed and 256-pixel images: bit counts, decoding, and group
// and single-image saves that recolour them.

#include <gtest/gtest.h>

#include <optional>

#include "core/bitmap_transform.h"
#include "core/color_adjust.h"
#include "core/icon_decode.h"
#include "core/icon_encode.h"
#include "core/png_icon_image.h"
#include "encoders/bgra_to_png.h"
#include "encoders/png_error.h"
#include "encoders/znb_png.h"
#include "support/cut_data.h"
#include "support/icon_builder.h"

namespace zorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

TIconStream StreamOf(const Bytes& file) {
    TIconStream s;
    s.write(file);
    return s;
}

// A square 32-bit bitmap whose alpha runs through every value, fully clear pixels included.
Bitmap AlphaPattern(int side) {
    Bitmap b(side, side, 32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            std::uint8_t* p = b.row(y) + 4 * x;
            p[0] = static_cast<std::uint8_t>(x * 7), p[1] = static_cast<std::uint8_t>(y * 3);
            p[2] = static_cast<std::uint8_t>(x ^ y), p[3] = static_cast<std::uint8_t>(x + 5 * y);
        }
    return b;
}

// A PNG of the bitmap written by our writer at the bitmap's own depth (palette, RGB)
// or, for 32 bits, as RGBA.
Bytes PngOf(const Bitmap& bitmap) {
    if (bitmap.bitsPerPixel() == 32) return EncodeRgbaPng(bitmap);
    TZNBPNG png;
    png.Assign(bitmap);
    return png.SaveToBytes();
}

Bitmap Expected(const Bitmap& source, int hue, const TransformState& state) {
    return ApplyTransform(AdjustBitmapColors(source, hue, 0, 0), state);
}

void ExpectSameBitmap(const Bitmap& want, const Bitmap& got) {
    ASSERT_EQ(got.bitsPerPixel(), 32);
    ASSERT_EQ(got.width(), want.width());
    ASSERT_EQ(got.height(), want.height());
    EXPECT_EQ(got.pixels(), want.pixels());
}

TEST(PngIconImage, MissingBitCountComesFromThePngHeaderNeverFromOffset14) {
    Bitmap palette(4, 4, 8);
    palette.palette().resize(256);
    Bitmap sixteen(4, 4, 4);
    sixteen.palette().resize(16);
    Bytes broken = PngOf(AlphaPattern(4));
    broken[12] = 'X';  // the first chunk is no longer a header
    const struct {
        Bytes png;
        unsigned bits;
    } cases[] = {{PngOf(AlphaPattern(4)), 32},
                 {PngOf(Bitmap(4, 4, 24)), 24},
                 {PngOf(palette), 8},
                 {PngOf(sixteen), 4},
                 {broken, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        TIconStream s = StreamOf(test::MakeIconFileFromRaw({{0, 0, 0, c.png}}));
        FillMissingBitCounts(s);
        EXPECT_EQ(DirEntry(s, 0).bitCount, c.bits);
    }
}

TEST(PngIconImage, DecodesTo32BitsWithAlphaAdjustedAndTurned) {
    const Bitmap source = AlphaPattern(256);
    const TIconStream stream = StreamOf(test::MakeIconFileFromRaw({{256, 256, 32, PngOf(source)}}));
    ASSERT_EQ(DirEntry(stream, 0).width, 0);
    TransformState turned;
    turned.TurnRight();
    turned.MirrorLeftRight();
    for (const TransformState& state : {TransformState{}, turned}) {
        RecordingMessageSink sink;
        const auto bitmap = IconImageToBitmap(stream, 0, 75, 0, 0, state, sink);
        ASSERT_TRUE(bitmap);
        ExpectSameBitmap(Expected(source, 75, state), *bitmap);
        EXPECT_TRUE(sink.messages.empty());
    }
}

TEST(PngIconImage, DamagedOrHugePngDataRaisesInsteadOfDecodingAndIsSavedAsItCame) {
    Bytes damaged = PngOf(AlphaPattern(16));
    damaged.resize(damaged.size() / 2);
    Bytes huge = PngOf(AlphaPattern(4));
    huge[16 + 2] = 0x10;  // width 2^20 in the header
    SilentMessageSink sink;
    const TIconStream bad = StreamOf(test::MakeIconFileFromRaw({{0, 0, 32, damaged}}));
    EXPECT_THROW(IconImageToBitmap(bad, 0, 0, 0, 0, TransformState{}, sink), EZNBPNG);
    const TIconStream big = StreamOf(test::MakeIconFileFromRaw({{0, 0, 32, huge}}));
    EXPECT_THROW(IconImageToBitmap(big, 0, 0, 0, 0, TransformState{}, sink), BitmapTooLarge);
    // An icon file keeps such an image as it is, edited or not.
    for (const TIconStream* stream : {&bad, &big}) {
        const auto group = EncodeIconGroup(*stream, 30, 0, 0, TransformState{1, false}, sink);
        ASSERT_TRUE(group);
        EXPECT_EQ(*group, std::vector<std::uint8_t>(stream->bytes().begin(), stream->bytes().end()));
    }
}

// Cut short anywhere or with any header byte changed, PNG data gives a result or one of the
// clean refusals: never a crash or another exception. Cut inside its image data, the image
// decodes to nothing; cut only in the 20-byte trailer (deflate checksum, CRC, IEND), to the
// whole image.
TEST(PngIconImage, CutOrAlteredPngDataFailsCleanly) {
    const Bytes png = PngOf(AlphaPattern(24));
    // The pixels of the decoded image, or nothing when it was refused.
    auto run = [](const Bytes& image) {
        const TIconStream stream = StreamOf(test::MakeIconFileFromRaw({{0, 0, 0, image}}));
        SilentMessageSink sink;
        std::optional<Bytes> decoded;
        for (int step = 0; step < 3; ++step) {
            try {
                TIconStream s = stream;
                if (step == 0) FillMissingBitCounts(s);
                if (step == 1)
                    if (const auto b = IconImageToBitmap(s, 0, 10, 0, 0, TransformState{}, sink)) decoded = b->pixels();
                if (step == 2) EncodeIconGroup(s, 10, 0, 0, TransformState{}, sink);
            } catch (const EZNBPNG&) {
            } catch (const ReadError&) {
            } catch (const BitmapTooLarge&) {
            }
        }
        return decoded;
    };
    test::ExpectCutsRefusedBeforeTrailer(png, 20, run);
    for (std::size_t i = 8; i < 60; ++i)
        for (std::uint8_t v : {std::uint8_t{0x00}, std::uint8_t{0x01}, std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
            Bytes altered = png;
            altered[i] = v;
            run(altered);
        }
}

// A group of a PNG image between bitmap-format ones: the PNG is recoloured with its alpha
// and written again as RGBA, and every offset after it moves.
TEST(PngIconImage, GroupSaveRecoloursPngImagesAndMovesTheOffsetsAfterThem) {
    const Bitmap source = AlphaPattern(64);
    Bitmap opaque(64, 64, 8);  // a palette PNG comes back as RGBA too
    opaque.palette() = {{10, 200, 30}, {250, 0, 0}};
    const auto small = test::MakeIconImage({16, 16, 8, 1});
    const TIconStream stream = StreamOf(test::MakeIconFileFromRaw(
        {{16, 16, 8, small}, {64, 64, 32, PngOf(source)}, {64, 64, 8, PngOf(opaque)}, {16, 16, 8, small}}));
    TransformState turned;
    turned.TurnLeft();
    for (const TransformState& state : {TransformState{}, turned}) {
        SilentMessageSink sink;
        const auto out = EncodeIconGroup(stream, 120, 0, 0, state, sink);
        ASSERT_TRUE(out);
        const TIconStream written = StreamOf(*out);
        ASSERT_TRUE(IsReadableIconStream(written));
        std::uint64_t offset = 6 + 16 * 4;
        for (int i = 0; i < 4; ++i) {
            const IconDirEntry e = DirEntry(written, i);
            EXPECT_EQ(e.imageOffset, offset) << i;
            offset += e.imageSize;
        }
        EXPECT_EQ(offset, out->size());
        ExpectSameBitmap(Expected(source, 120, state), DecodePngIconImage(ReadIconImage(written, 1)));
        EXPECT_EQ(ReadIconImage(written, 2)[25], 6);  // the header's colour type: RGBA
        EXPECT_EQ(ReadIconImage(written, 3).size(), small.size());
    }
}

// Width and height bytes of 0 mean 256: every pixel is converted, not none.
TEST(PngIconImage, GroupSaveRecoloursEveryPixelOfA256PixelBitmapImage) {
    const auto big = test::MakeIconImage({256, 256, 32, 3});
    const TIconStream stream = StreamOf(test::MakeIconFile({{256, 256, 32, 3}}));
    ASSERT_EQ(DirEntry(stream, 0).width, 0);
    SilentMessageSink sink;
    const auto out = EncodeIconGroup(stream, 90, 0, 0, TransformState{}, sink);
    ASSERT_TRUE(out);
    const Bytes saved = ReadIconImage(StreamOf(*out), 0);
    ASSERT_EQ(saved.size(), big.size());
    const ByteReader before(big), after(saved);
    for (std::uint64_t i = 0; i < 256 * 256; ++i)
        ASSERT_EQ(after.u32le(40 + 4 * i), AdjustColor(before.u32le(40 + 4 * i), 90, 0, 0)) << i;
}

TEST(PngIconImage, SingleImageSaveCarriesTheNewSize) {
    const Bitmap source = AlphaPattern(48);
    const TIconStream stream = StreamOf(
        test::MakeIconFileFromRaw({{16, 16, 8, test::MakeIconImage({16, 16, 8, 1})}, {0, 0, 32, PngOf(source)}}));
    SilentMessageSink sink;
    const auto out = EncodeIconImage(stream, 1, -40, 20, 0, TransformState{}, sink);
    ASSERT_TRUE(out);
    const TIconStream written = StreamOf(*out);
    ASSERT_TRUE(IsReadableIconStream(written));
    EXPECT_EQ(DirEntry(written, 0).imageOffset, 22u);
    EXPECT_EQ(DirEntry(written, 0).imageSize, out->size() - 22);
    EXPECT_EQ(DirEntry(written, 0).width, 0);
    ExpectSameBitmap(AdjustBitmapColors(source, -40, 20, 0), DecodePngIconImage(ReadIconImage(written, 0)));
}

}  // namespace
}  // namespace zorvane

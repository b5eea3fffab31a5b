#include <gtest/gtest.h>

#include <filesystem>

#include "core/bitmap_ex.h"
#include "core/bitmap_transform.h"
#include "core/color_adjust.h"
#include "core/icon_encode.h"
#include "core/icon_image.h"
#include "core/le_bytes.h"
#include "platform/file_io.h"
#include "support/allocation_probe.h"
#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::TempDir;

TIconStream StreamOf(const std::vector<std::uint8_t>& file) {
    TIconStream s;
    s.write(file);
    return s;
}

std::vector<std::uint8_t> Adjusted(std::vector<std::uint8_t> image, const IconDirEntry& e, int hue) {
    SilentMessageSink sink;
    AdjustIconImageColors(image, hue, 0, 0, e.height, e.width, e.bitCount, sink);
    return image;
}

// The colour image and the mask of an icon image's data, top row first.
struct Decoded {
    Bitmap color, mask;
};
Decoded Decode(std::vector<std::uint8_t> image) {
    const int side = ByteReader(image).i32le(4);
    HalveHeightField(image);
    const unsigned bits = ByteReader(image).u16le(14);
    const std::size_t maskBytes = static_cast<std::size_t>(side) * static_cast<std::size_t>((side + 31) / 32 * 4);
    Bitmap mask(side, side, 1);
    for (int y = 0; y < side; ++y)
        for (std::size_t i = 0; i < mask.rowBytes(); ++i)
            mask.row(side - 1 -
                     y)[i] = image[image.size() - maskBytes + static_cast<std::size_t>(y) * mask.rowBytes() + i];
    return {DecodeDIBData(image, bits), mask};
}

TEST(EncodeIconGroup, WithoutTransformKeepsTheDirectoryAndWithoutOffsetsEveryByte) {
    const auto file = test::MakeIconFile({{16, 16, 4, 1}, {32, 32, 8, 2}, {24, 24, 32, 3}});
    const TIconStream stream = StreamOf(file);
    RecordingMessageSink sink;
    const auto out = EncodeIconGroup(stream, 0, 0, 0, TransformState{}, sink);
    ASSERT_TRUE(out);
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(out->size(), file.size());
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 6 + 3 * 16, out->begin()));
    const TIconStream written = StreamOf(*out);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ReadIconImage(written, i), Adjusted(ReadIconImage(stream, i), DirEntry(stream, i), 0)) << i;
    EXPECT_EQ(*out, file);  // nothing asked, nothing changed

    EXPECT_FALSE(EncodeIconGroup(TIconStream{}, 0, 0, 0, TransformState{}, sink));
}

TEST(EncodeIconGroup, ImagesNotStoredBackToBackGetMatchingOffsets) {
    // Two images stored in reverse order with a gap: the written directory must point at
    // the images where they now are.
    const auto a = test::MakeIconImage({16, 16, 8, 1});
    const auto b = test::MakeIconImage({16, 16, 24, 2});
    std::vector<std::uint8_t> file;
    AppendIconHeader(file, 2);
    const std::uint32_t bOffset = 6 + 32 + 10;
    const std::uint32_t aOffset = bOffset + static_cast<std::uint32_t>(b.size());
    AppendDirEntry(file, {16, 16, 0, 0, 1, 8, static_cast<std::uint32_t>(a.size()), aOffset});
    AppendDirEntry(file, {16, 16, 0, 0, 1, 24, static_cast<std::uint32_t>(b.size()), bOffset});
    file.resize(bOffset, 0xEE);
    file.insert(file.end(), b.begin(), b.end());
    file.insert(file.end(), a.begin(), a.end());
    const TIconStream stream = StreamOf(file);

    SilentMessageSink sink;
    const auto out = EncodeIconGroup(stream, 30, 0, 0, TransformState{}, sink);
    ASSERT_TRUE(out);
    const TIconStream written = StreamOf(*out);
    EXPECT_TRUE(IsReadableIconStream(written));
    EXPECT_EQ(DirEntry(written, 0).imageOffset, 38u);
    EXPECT_EQ(DirEntry(written, 1).imageOffset, 38u + a.size());
    EXPECT_EQ(out->size(), 38u + a.size() + b.size());
    EXPECT_EQ(ReadIconImage(written, 0), Adjusted(a, DirEntry(stream, 0), 30));
    EXPECT_EQ(ReadIconImage(written, 1), Adjusted(b, DirEntry(stream, 1), 30));
}

TEST(EncodeIconGroup, TurnedImagesKeepSizeAndTableAndTheirMaskTurnsWithThem) {
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        const TIconStream stream = StreamOf(test::MakeIconFile({{48, 48, bits, 5}}));
        TransformState state;
        state.TurnRight();
        state.MirrorTopBottom();
        SilentMessageSink sink;
        const auto out = EncodeIconGroup(stream, 0, 0, 0, state, sink);
        ASSERT_TRUE(out);
        ASSERT_EQ(out->size(), stream.size());
        EXPECT_TRUE(std::equal(out->begin(), out->begin() + 22, stream.bytes().begin()));

        const auto before = ReadIconImage(stream, 0);
        const auto after = ReadIconImage(StreamOf(*out), 0);
        const ByteReader r(after);
        EXPECT_EQ(r.u32le(8), 96u);
        EXPECT_EQ(r.u16le(14), bits);
        const Decoded in = Decode(Adjusted(before, DirEntry(stream, 0), 0));
        const Decoded got = Decode(after);
        EXPECT_EQ(got.color.palette(), in.color.palette());
        EXPECT_EQ(got.color.pixels(), ApplyTransform(in.color, state).pixels());
        EXPECT_EQ(got.mask.pixels(), ApplyTransform(in.mask, state).pixels());
        EXPECT_NE(got.mask.pixels(), in.mask.pixels());
    }
}

TEST(EncodeIconGroup, NonSquareAndUnsupportedImagesAreWrittenUntransformed) {
    auto sixteen = test::MakeIconImage({16, 16, 8, 1});
    sixteen[14] = 16;
    const TIconStream stream = StreamOf(test::MakeIconFileFromRaw({
        {32, 16, 8, test::MakeIconImage({32, 16, 8, 1})},
        {16, 16, 16, sixteen},
    }));
    TransformState state;
    state.TurnLeft();
    RecordingMessageSink sink;
    const auto out = EncodeIconGroup(stream, 20, 0, 0, state, sink);
    ASSERT_TRUE(out);
    const TIconStream written = StreamOf(*out);
    EXPECT_EQ(ReadIconImage(written, 0), Adjusted(ReadIconImage(stream, 0), DirEntry(stream, 0), 20));
    EXPECT_EQ(ReadIconImage(written, 1), ReadIconImage(stream, 1));
    // The 16-bit image is refused twice: by the transform and by the adjustment.
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "16ビットの形式には対応していません。");
    EXPECT_EQ(sink.messages[1].text, "16ビットの形式には対応していません。");
}

// A directory naming one 64 KB image 4100 times would make a quarter-gigabyte group: it is
// refused from the directory alone, before any image is copied or converted.
TEST(EncodeIconGroup, AGroupTooLargeToHoldIsRefusedBeforeCopying) {
    constexpr std::uint32_t kCount = 4100, kImageBytes = 1u << 16;
    const std::uint32_t imageOffset = kIconHeaderSize + kIconDirEntrySize * kCount;
    std::vector<std::uint8_t> file;
    AppendIconHeader(file, kCount);
    for (std::uint32_t i = 0; i < kCount; ++i) AppendDirEntry(file, {16, 16, 0, 0, 1, 8, kImageBytes, imageOffset});
    file.resize(imageOffset + kImageBytes, 0);
    const TIconStream stream = StreamOf(file);
    ASSERT_TRUE(IsReadableIconStream(stream));
    SilentMessageSink sink;
    const std::size_t largest = test::LargestAllocationDuring(
        [&] { EXPECT_THROW(EncodeIconGroup(stream, 30, 0, 0, {}, sink), ReadError); });
    EXPECT_LT(largest, std::size_t{kImageBytes});
}

TEST(TransformIconImage, TruncatedDataRaisesAndAnEmptyImageIsReported) {
    TransformState state;
    state.Turn180();
    SilentMessageSink silent;
    auto shortImage = test::MakeIconImage({16, 16, 8, 1});
    shortImage.resize(shortImage.size() - 1);
    EXPECT_THROW(TransformIconImage(shortImage, state, silent), ReadError);

    std::vector<std::uint8_t> empty(40 + 8, 0);
    empty[0] = 40;
    empty[14] = 1;
    const auto before = empty;
    RecordingMessageSink sink;
    TransformIconImage(empty, state, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(sink.messages[0].text, "アイコンの作成に失敗しました。");
    EXPECT_EQ(empty, before);
}

TEST(SaveIconImage, WritesOneImageAtOffset22OrNothingWhenRefused) {
    const auto file = test::MakeIconFile({{16, 16, 4, 1}, {32, 32, 8, 2}, {32, 32, 24, 3}});
    const TIconStream stream = StreamOf(file);
    TempDir dir;
    SilentMessageSink sink;
    const std::string path = (dir / "one.ico").string();
    ASSERT_TRUE(SaveIconImage(stream, path, 2, 0, 0, 0, TransformState{}, sink));
    const auto out = test::ReadFile(path);
    const ByteReader r(out);
    EXPECT_EQ(r.u16le(2), 1);
    EXPECT_EQ(r.u16le(4), 1);
    EXPECT_TRUE(std::equal(out.begin() + 6, out.begin() + 18, file.begin() + 6 + 2 * 16));
    EXPECT_EQ(r.u32le(18), 22u);
    EXPECT_EQ(out.size(), 22u + DirEntry(stream, 2).imageSize);

    auto sixteen = test::MakeIconImage({16, 16, 8, 1});
    sixteen[14] = 16;
    const TIconStream refused = StreamOf(test::MakeIconFileFromRaw({{16, 16, 16, sixteen}}));
    EXPECT_FALSE(SaveIconImage(refused, (dir / "no.ico").string(), 0, 0, 0, 0, TransformState{}, sink));
    EXPECT_FALSE(std::filesystem::exists(dir / "no.ico"));
}

TEST(SaveIconGroup, AFailedWriteKeepsTheFileItWasToReplace) {
    const TIconStream stream = StreamOf(test::MakeIconFile({{32, 32, 32, 1}}));
    TempDir dir;
    const std::string path = (dir / "g.ico").string();
    test::WriteFile(path, {1, 2, 3});
    SilentMessageSink sink;
    SetWriteFailureAfterBytesForTesting(100);
    EXPECT_THROW(SaveIconGroup(stream, path, 0, 0, 0, TransformState{}, sink), FileError);
    SetWriteFailureAfterBytesForTesting(-1);
    EXPECT_EQ(test::ReadFile(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(SaveIconGroup(stream, path, 0, 0, 0, TransformState{}, sink));
    EXPECT_EQ(test::ReadFile(path).size(), stream.size());
}

}  // namespace
}  // namespace zorvane

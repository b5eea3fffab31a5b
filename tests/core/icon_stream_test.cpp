#include <gtest/gtest.h>

#include "core/icon_stream.h"

namespace zorvane {
namespace {

// A one-image stream whose image is 40 header bytes with the given bit count at offset 14.
TIconStream OneImageStream(std::uint16_t dirBitCount, std::uint16_t headerBitCount, std::uint32_t imageSize = 40) {
    std::vector<std::uint8_t> bytes;
    AppendIconHeader(bytes, 1);
    IconDirEntry e;
    e.width = 16;
    e.height = 16;
    e.bitCount = dirBitCount;
    e.imageSize = imageSize;
    e.imageOffset = 22;
    AppendDirEntry(bytes, e);
    std::vector<std::uint8_t> image(40, 0);
    image[14] = static_cast<std::uint8_t>(headerBitCount);
    bytes.insert(bytes.end(), image.begin(), image.end());
    TIconStream s;
    s.write(bytes);
    return s;
}

TEST(IconStream, FillMissingBitCountsTakesTheHeaderValueOnce) {
    TIconStream s = OneImageStream(0, 8);
    FillMissingBitCounts(s);
    EXPECT_EQ(DirEntry(s, 0).bitCount, 8);
    s.buffer()[22 + 14] = 4;  // a later listing must not read the header again
    FillMissingBitCounts(s);
    EXPECT_EQ(DirEntry(s, 0).bitCount, 8);
}

TEST(IconStream, ADirectoryClaimingMoreThanTheStreamHoldsIsUnreadable) {
    EXPECT_TRUE(IsReadableIconStream(OneImageStream(8, 8)));
    EXPECT_FALSE(IsReadableIconStream(OneImageStream(8, 8, 41)));
    TIconStream s = OneImageStream(8, 8);
    s.buffer()[4] = 0xFF;
    s.buffer()[5] = 0xFF;  // 65535 images in a 62-byte stream
    EXPECT_FALSE(IsReadableIconStream(s));
    EXPECT_FALSE(IsReadableIconStream(TIconStream{}));
}

TEST(IconStream, ReadingAnImagePastTheEndRaisesTheStreamReadError) {
    TIconStream s = OneImageStream(8, 8, 400);
    try {
        ReadIconImage(s, 0);
        FAIL();
    } catch (const ReadError& e) {
        EXPECT_STREQ(e.what(), "ストリームからの読み込みエラー");
    }
}

}  // namespace
}  // namespace zorvane

#include "support/icon_builder.h"

namespace zorvane {
namespace {

TEST(IconStream, ImageSizesFollowTheFormula) {
    struct Case {
        int size, bits;
        std::size_t bytes;
    };
    for (const Case c : {Case{32, 1, 304}, Case{32, 4, 744}, Case{32, 8, 2216}, Case{32, 24, 3240}, Case{32, 32, 4264},
                         Case{16, 4, 296}}) {
        EXPECT_EQ(test::MakeIconImage({c.size, c.size, c.bits, 1}).size(), c.bytes) << c.bits;
    }
}

}  // namespace
}  // namespace zorvane

#include <gtest/gtest.h>

#include "core/bitmap_ex.h"
#include "core/bitmap_file.h"
#include "core/le_bytes.h"

namespace zorvane {
namespace {

// A bitmap file with a 40-byte header and a colour table of `entries` grey entries.
std::vector<std::uint8_t> BmpFile(int width, int height, int bits, std::uint32_t compression, unsigned entries,
                                  const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> v;
    const std::uint32_t offset = 54 + 4 * entries;
    AppendBitmapFileHeader(v, offset + static_cast<std::uint32_t>(data.size()), offset);
    AppendU32le(v, 40);
    AppendU32le(v, static_cast<std::uint32_t>(width));
    AppendU32le(v, static_cast<std::uint32_t>(height));
    AppendU16le(v, 1);
    AppendU16le(v, static_cast<std::uint32_t>(bits));
    AppendU32le(v, compression);
    for (int i = 0; i < 3; ++i) AppendU32le(v, 0);
    AppendU32le(v, entries);
    AppendU32le(v, 0);
    for (unsigned i = 0; i < entries; ++i) v.insert(v.end(), {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
    v.insert(v.end(), data.begin(), data.end());
    return v;
}

Bitmap Load(const std::vector<std::uint8_t>& file) {
    ByteReader stream(file);
    TBitmapEx b;
    b.LoadFromStream(stream);
    return b;
}

std::string LoadError(const std::vector<std::uint8_t>& file) {
    try {
        Load(file);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

std::vector<int> Indices(const Bitmap& b) {
    std::vector<int> v;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) v.push_back(b.pixelIndex(x, y));
    return v;
}

TEST(RleDecoding, EightAndFourBitRunsDecodeBottomUp) {
    // Stored first is the bottom row: absolute run 1 2 3 (padded), a run of one 9, end of
    // line; then four 6s and the end of the bitmap.
    const Bitmap b8 = Load(BmpFile(4, 2, 8, 1, 16, {0, 3, 1, 2, 3, 0, 1, 9, 0, 0, 4, 6, 0, 1}));
    EXPECT_EQ(Indices(b8), (std::vector<int>{6, 6, 6, 6, 1, 2, 3, 9}));
    EXPECT_EQ(b8.palette().size(), 16u);

    // Five absolute nibbles occupy three bytes and a pad; then alternating nibbles of 0x12;
    // end of line, and a delta moves to column 2.
    const Bitmap b4 = Load(
        BmpFile(8, 2, 4, 2, 16, {0, 5, 0xAB, 0xCD, 0xE0, 0, 3, 0x12, 0, 0, 0, 2, 2, 0, 2, 0x77, 0, 1}));
    EXPECT_EQ(Indices(b4), (std::vector<int>{0, 0, 7, 7, 0, 0, 0, 0, 0xA, 0xB, 0xC, 0xD, 0xE, 1, 2, 1}));
}

TEST(RleDecoding, EachBoundRaisesItsOwnMessage) {
    struct Case {
        int bits;
        std::vector<std::uint8_t> data;
        const char* message;
    };
    const Case cases[] = {
        {8, {0, 0, 0, 0}, "Convert8BitRLETo8BitRGB: Bad RLE Data 1"},
        {8, {0, 2, 5, 0}, "Convert8BitRLETo8BitRGB: Bad RLE Data 2"},
        {8, {2, 1, 0, 3, 1, 2, 3, 0}, "Convert8BitRLETo8BitRGB: Bad RLE Data 3"},
        {8, {0, 0, 4, 1}, "Convert8BitRLETo8BitRGB: Bad RLE Data 4"},
        {8, {5, 1}, "Convert8BitRLETo8BitRGB: Bad RLE Data 4"},
        {4, {0, 0, 0, 0}, "Convert4BitRLETo4BitRGB: Bad RLE Data 5"},
        {4, {0, 2, 0, 2}, "Convert4BitRLETo4BitRGB: Bad RLE Data 6"},
        {4, {2, 1, 0, 3, 0x12, 0x30}, "Convert4BitRLETo4BitRGB: Bad RLE Data 7"},
        {4, {5, 0x11}, "Convert4BitRLETo4BitRGB: Bad RLE Data 8"},
        {8, {2, 1}, "ストリームからの読み込みエラー"},  // no end of bitmap: the data runs out
        {4, {0, 3, 0x12}, "ストリームからの読み込みエラー"},
    };
    for (const Case& c : cases) {
        // One row of 4 pixels (the 4-bit width 3 rounds up to 4).
        const int width = c.bits == 8 ? 4 : 3;
        EXPECT_EQ(LoadError(BmpFile(width, 1, c.bits, c.bits == 8 ? 1 : 2, 16, c.data)), c.message);
    }
    EXPECT_EQ(Indices(Load(BmpFile(3, 1, 4, 2, 16, {4, 0x12, 0, 1}))), (std::vector<int>{1, 2, 1}));

    TDIB wrong;
    wrong.header.bitCount = 4;
    wrong.header.compression = kBiRle8;
    EXPECT_THROW(Convert8BitRLETo8BitRGB(wrong), EDIBUtilsError);
    try {
        Convert4BitRLETo4BitRGB(wrong);
    } catch (const EDIBUtilsError& e) {
        EXPECT_STREQ(e.what(), "Convert4BitRLETo4BitRGB: Invalid Bitcount & Compression Combination");
    }
}

TEST(DIBReader, MalformedHeadersRaiseTheirMessages) {
    auto good = BmpFile(2, 2, 8, 0, 4, std::vector<std::uint8_t>(8, 1));
    EXPECT_EQ(Load(good).palette().size(), 4u);

    auto badType = good;
    badType[0] = 'X';
    EXPECT_EQ(LoadError(badType), "LoadDIBFromStream: File type is invalid");
    auto badSize = good;
    badSize[14] = 20;
    EXPECT_EQ(LoadError(badSize), "LoadDIBFromStream: Invalid Bitmap Header Size");
    auto badBits = good;
    badBits[28] = 7;
    EXPECT_EQ(LoadError(badBits), "LoadDIBFromStream: Invalid BitCout");

    // Truncated rows and a colour table past the end raise the reader's error.
    auto shortRows = good;
    shortRows.resize(shortRows.size() - 1);
    PutU32le(shortRows.data() + 2, static_cast<std::uint32_t>(shortRows.size()));
    EXPECT_EQ(LoadError(shortRows), "ストリームからの読み込みエラー");
    auto longTable = good;
    PutU32le(longTable.data() + 46, 200);
    EXPECT_EQ(LoadError(longTable), "ストリームからの読み込みエラー");
    auto hugeHeader = good;
    PutU32le(hugeHeader.data() + 14, 0xFFFFFFF0u);
    EXPECT_EQ(LoadError(hugeHeader), "ストリームからの読み込みエラー");
}

TEST(DIBReader, ASideOfZeroGivesAnEmptyBitmapWhateverTheOtherClaims) {
    // Millions of rows of no bytes each: the data holds them all, but there is nothing to draw.
    for (const auto& [width, height] : {std::pair{0, 0x28000000}, std::pair{0x28000000, 0}, std::pair{0, -5}}) {
        const Bitmap b = Load(BmpFile(width, height, 32, 0, 0, {}));
        EXPECT_TRUE(b.empty());
        EXPECT_EQ(b.height(), 0) << width << " x " << height;
    }
}

TEST(DIBReader, OldCoreHeaderIsTurnedIntoTheLongForm) {
    std::vector<std::uint8_t> v;
    AppendBitmapFileHeader(v, 14 + 12 + 6 + 4, 14 + 12 + 6);
    AppendU32le(v, 12);
    AppendU16le(v, 3);
    AppendU16le(v, 1);
    AppendU16le(v, 1);
    AppendU16le(v, 1);
    v.insert(v.end(), {0, 0, 0, 0x10, 0x20, 0x30});  // black, then blue 0x10 green 0x20 red 0x30
    v.insert(v.end(), {0x40, 0, 0, 0});              // pixels 0 1 0
    const Bitmap b = Load(v);
    EXPECT_EQ(Indices(b), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(b.palette()[1], (Rgb{0x30, 0x20, 0x10}));

    v[14 + 10] = 16;
    EXPECT_EQ(LoadError(v), "TBigBitmap.LoadFromStream: Invalid BitCount");
}

TEST(BitmapFile, EveryDepthReadsBackThroughTheDIBReader) {
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(bpp);
        Bitmap b(5, 3, bpp);
        for (std::size_t i = 0; i < b.pixels().size(); ++i) b.pixels()[i] = static_cast<std::uint8_t>(i * 29 + 3);
        for (int y = 0; y < 3; ++y)  // padding is not part of the picture
            for (std::size_t i = (5 * static_cast<std::size_t>(bpp) + 7) / 8; i < b.rowBytes(); ++i) b.row(y)[i] = 0;
        if (bpp <= 8)
            for (int i = 0; i < (1 << bpp); ++i) b.palette().push_back({std::uint8_t(i), 1, std::uint8_t(255 - i)});
        const auto file = EncodeBitmapFile(b);
        EXPECT_EQ(ByteReader(file).u32le(2), file.size());
        const Bitmap back = Load(file);
        EXPECT_EQ(back.bitsPerPixel(), bpp);
        EXPECT_EQ(back.palette(), b.palette());
        EXPECT_EQ(back.pixels(), b.pixels());
    }
}

}  // namespace
}  // namespace zorvane

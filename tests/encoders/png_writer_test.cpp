// The PNG writer against our reader, pngcheck and Pillow, and its chunk layout.

#include <gtest/gtest.h>

#include <map>

#include "encoders/encoder_test_support.h"
#include "encoders/png_error.h"
#include "encoders/png_format.h"
#include "encoders/save_encoding.h"
#include "encoders/znb_png.h"
#include "support/test_support.h"

namespace zorvane::test {
namespace {

struct WriteCase {
    const char* name;
    std::uint8_t filterMode;
    bool interlaced;
};
constexpr WriteCase kWriteCases[] = {
    {"plain", kFilterNone, false}, {"adaptive", kFilterAdaptive, false},      {"sub", kFilterSub, false},
    {"up", kFilterUp, false},      {"average", kFilterAverage, false},        {"paeth", kFilterPaeth, false},
    {"adam7", kFilterNone, true},  {"adam7-adaptive", kFilterAdaptive, true},
};
constexpr int kDepths[] = {1, 4, 8, 16, 24, 32};

TZNBPNG Configured(const Bitmap& bitmap, const WriteCase& c) {
    TZNBPNG png(FixedTime);
    png.options.FilterMode = c.filterMode;
    png.options.Interlaced = c.interlaced;
    png.Assign(bitmap);
    return png;
}

void ExpectSamePixels(const Bitmap& want, const Bitmap& got) {
    ASSERT_EQ(want.width(), got.width());
    ASSERT_EQ(want.height(), got.height());
    // Indexed images keep depth and indices; every other depth comes back as 8-bit RGB.
    ASSERT_EQ(got.bitsPerPixel(), want.bitsPerPixel() <= 8 ? want.bitsPerPixel() : 24);
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x) {
            if (want.bitsPerPixel() <= 8) {
                ASSERT_EQ(want.pixelIndex(x, y), got.pixelIndex(x, y)) << x << "," << y;
            }
            ASSERT_EQ(want.pixelColor(x, y), got.pixelColor(x, y)) << x << "," << y;
        }
}

// Every size from 1x1 to 11x11 catches the partial bytes of packed rows and the empty
// interlace passes of small images.
TEST(PngWriter, OurReaderReadsBackEveryDepthFilterAndSize) {
    for (const WriteCase& c : kWriteCases)
        for (int bpp : kDepths)
            for (int w = 1; w <= 11; ++w)
                for (int h = 1; h <= 11; h += 3) {
                    SCOPED_TRACE(std::string(c.name) + " bpp " + std::to_string(bpp) + " " + std::to_string(w) + "x" +
                                 std::to_string(h));
                    const Bitmap source = PatternBitmap(w, h, bpp, static_cast<unsigned>(w * 31 + h));
                    TZNBPNG back;
                    back.LoadFromStream(Configured(source, c).SaveToBytes());
                    ExpectSamePixels(source, back.image());
                    EXPECT_EQ(back.options.Interlaced, c.interlaced);
                }
}

TEST(PngWriter, SaveFileReadsBackWithItsTransparentColour) {
    for (int bpp : kDepths) {
        SCOPED_TRACE(bpp);
        Bitmap source = WithoutAlpha(PatternBitmap(9, 6, bpp, 3));
        const TColor bottomLeft = ToTColor(source.pixelColor(0, 5));
        TZNBPNG back;
        back.LoadFromStream(EncodePngForSave(source, true, FixedTime));
        ExpectSamePixels(source, back.image());
        EXPECT_TRUE(back.image().transparent());
        EXPECT_EQ(back.image().transparentColor(), bottomLeft);
        EXPECT_FALSE(back.hasAlpha());
    }
}

struct ExternalFile {
    std::filesystem::path path;
    Bytes expectedRgba;
};

// One Pillow and one pngcheck run over a whole table of files keeps the test quick.
TEST(PngWriter, PngcheckAndPillowAgreeWithEveryFileWeWrite) {
    if (!HaveProgram("pngcheck")) GTEST_SKIP() << "pngcheck missing";
    TempDir dir;
    std::vector<ExternalFile> files;
    auto add = [&](const std::string& name, const Bytes& png, Bytes expected) {
        files.push_back({dir / (name + ".png"), std::move(expected)});
        WriteFile(files.back().path, png);
    };
    for (const WriteCase& c : kWriteCases)
        for (int bpp : kDepths) {
            const Bitmap source = PatternBitmap(13, 9, bpp, static_cast<unsigned>(bpp));
            add(std::string(c.name) + "-" + std::to_string(bpp), Configured(source, c).SaveToBytes(),
                ExpectedRgba(source));
        }
    for (int bpp : kDepths) {
        const Bitmap source = WithoutAlpha(PatternBitmap(17, 5, bpp, 7));
        const TColor key = ToTColor(source.pixelColor(0, 4));
        const int keyIndex = bpp <= 8 ? *PaletteIndexOf(key, source) : -1;
        add("save-" + std::to_string(bpp), EncodePngForSave(source, true, FixedTime),
            ExpectedRgba(source, key, keyIndex));
    }
    // The bottom-left colour stands at entries 2 and 5: only entry 2 becomes transparent.
    Bitmap twice = PatternBitmap(6, 4, 4, 9);
    twice.palette()[5] = twice.palette()[2];
    twice.setPixelIndex(0, 3, 5);
    twice.setPixelIndex(1, 1, 2);
    twice.setPixelIndex(2, 2, 5);
    add("twice", EncodePngForSave(twice, true, FixedTime), ExpectedRgba(twice, kNoColor, 2));
    // Real alpha is kept, with or without the transparent colour asked for.
    const Bitmap alpha = PatternBitmap(11, 7, 32, 5);
    add("alpha", EncodePngForSave(alpha, true, FixedTime), RgbaWithAlpha(alpha));
    add("alpha-opaque", EncodePngForSave(alpha, false, FixedTime), RgbaWithAlpha(alpha));

    std::string line = "pngcheck -q";
    std::vector<std::filesystem::path> paths;
    for (const auto& f : files) {
        line += " " + ShellQuote(f.path.string());
        paths.push_back(f.path);
    }
    const CommandResult check = RunCommand(line);
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    const std::vector<std::string> dumps = PillowDump(paths);
    ASSERT_EQ(dumps.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(dumps[i].substr(dumps[i].rfind(' ') + 1), Hex(files[i].expectedRgba)) << files[i].path;
}

TEST(PngWriter, SavePathChunksComeInTheirFixedOrder) {
    using Types = std::vector<std::string>;
    const Types palette = {"IHDR", "tIME", "tEXt", "tpNG", "gAMA", "PLTE", "tRNS", "IDAT", "IEND"};
    const Types rgb = {"IHDR", "tIME", "tEXt", "tpNG", "gAMA", "tRNS", "IDAT", "IEND"};
    const Types opaque = {"IHDR", "tIME", "tEXt", "tpNG", "gAMA", "IDAT", "IEND"};
    EXPECT_EQ(ChunkTypes(EncodePngForSave(PatternBitmap(4, 4, 8), true, FixedTime)), palette);
    EXPECT_EQ(ChunkTypes(EncodePngForSave(WithoutAlpha(PatternBitmap(4, 4, 32)), true, FixedTime)), rgb);
    EXPECT_EQ(ChunkTypes(EncodePngForSave(PatternBitmap(4, 4, 24), false, FixedTime)), opaque);
    // A 32-bit image with alpha in use: RGBA and no tRNS, even when transparency is asked for.
    const Bytes rgba = EncodePngForSave(PatternBitmap(4, 4, 32), true, FixedTime);
    EXPECT_EQ(ChunkTypes(rgba), opaque);
    EXPECT_EQ(FindChunk(PngChunks(rgba), "IHDR")->data, (Bytes{0, 0, 0, 4, 0, 0, 0, 4, 8, 6, 0, 0, 0}));

    const auto chunks = PngChunks(EncodePngForSave(WithoutAlpha(PatternBitmap(4, 4, 32)), true, FixedTime));
    EXPECT_EQ(FindChunk(chunks, "IHDR")->data, (Bytes{0, 0, 0, 4, 0, 0, 0, 4, 8, 2, 0, 0, 0}));
    EXPECT_EQ(FindChunk(chunks, "tIME")->data, (Bytes{0x07, 0xEA, 12, 9, 13, 45, 7}));
    const std::string software = "Software";
    Bytes text(software.begin(), software.end());
    text.push_back(0);
    for (char ch : std::string("ZNBPNG ver 3.4")) text.push_back(static_cast<std::uint8_t>(ch));
    EXPECT_EQ(FindChunk(chunks, "tEXt")->data, text);
    EXPECT_EQ(FindChunk(chunks, "tpNG")->data, (Bytes{'Z', 'N', 'B', '3', 0, 0, 0, 0}));
    EXPECT_EQ(FindChunk(chunks, "gAMA")->data, (Bytes{0, 0, 0xB1, 0x8F}));  // 45455
}

TEST(PngWriter, PaletteTransparencyNamesTheFirstMatchingEntry) {
    Bitmap b = PatternBitmap(3, 3, 8);
    b.palette()[0] = {1, 2, 3};
    b.palette()[1] = {1, 2, 3};
    b.setPixelIndex(0, 2, 1);
    EXPECT_EQ(FindChunk(PngChunks(EncodePngForSave(b, true, FixedTime)), "tRNS")->data, Bytes{0});
    b.palette()[0] = {9, 9, 9};
    EXPECT_EQ(FindChunk(PngChunks(EncodePngForSave(b, true, FixedTime)), "tRNS")->data, (Bytes{255, 0}));
}

std::vector<std::size_t> IdatSizes(const Bytes& png) {
    std::vector<std::size_t> sizes;
    for (const auto& c : PngChunks(png))
        if (c.type == "IDAT") sizes.push_back(c.data.size());
    return sizes;
}

// Incompressible one-row images grow the deflate output a byte at a time, so some width gives
// exactly the compressed size wanted.
TEST(PngWriter, ImageDataSplitsIntoChunksOfExactlyIdatSize) {
    std::map<std::size_t, Bytes> bySize;
    for (int width = 32700; width < 32800; ++width) {
        const Bytes png = EncodePngForSave(PatternBitmap(width, 1, 8, 5), false, FixedTime);
        std::size_t total = 0;
        for (std::size_t s : IdatSizes(png)) total += s;
        bySize.emplace(total, png);
    }
    ASSERT_TRUE(bySize.count(32768) && bySize.count(32769));
    EXPECT_EQ(IdatSizes(bySize[32768]), std::vector<std::size_t>{32768});
    EXPECT_EQ(IdatSizes(bySize[32769]), (std::vector<std::size_t>{32768, 1}));
}

TEST(PngWriter, OptionsWriteTheirChunks) {
    TZNBPNG png(FixedTime);
    png.options.Comment = "hello";
    png.options.BackgroundColor = 0x030201;
    png.options.PhysicalUnit = 2;
    png.options.PixelsPerUnitX = 72;
    png.options.PixelsPerUnitY = 254;
    png.options.Chromaticities = {31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000};
    png.options.GifControl = {2, 1, 0x0102};
    png.options.SignificantBits = 0x050505;
    png.options.UseCurrentTime = false;
    png.options.StoredTime = {1999, 2, 3, 4, 5, 6};
    png.options.CompressionLevel = 42;
    png.Assign(PatternBitmap(3, 2, 16));
    const auto chunks = PngChunks(png.SaveToBytes());
    const std::vector<std::string> order = {"IHDR", "tIME", "tEXt", "tEXt", "tpNG", "gIFg", "gAMA",
                                            "cHRM", "sBIT", "bKGD", "pHYs", "IDAT", "IEND"};
    std::vector<std::string> types;
    for (const auto& c : chunks) types.push_back(c.type);
    EXPECT_EQ(types, order);
    EXPECT_EQ(FindChunk(chunks, "tIME")->data, (Bytes{0x07, 0xCF, 2, 3, 4, 5, 6}));
    EXPECT_EQ(chunks[2].data, (Bytes{'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'h', 'e', 'l', 'l', 'o'}));
    EXPECT_EQ(FindChunk(chunks, "gIFg")->data, (Bytes{2, 1, 1, 2}));
    EXPECT_EQ(FindChunk(chunks, "sBIT")->data, (Bytes{5, 5, 5}));
    EXPECT_EQ(FindChunk(chunks, "bKGD")->data, (Bytes{0, 1, 0, 2, 0, 3}));
    // 72 and 254 per inch become 2834 and 10000 per metre.
    EXPECT_EQ(FindChunk(chunks, "pHYs")->data, (Bytes{0, 0, 0x0B, 0x12, 0, 0, 0x27, 0x10, 1}));
    EXPECT_EQ(FindChunk(chunks, "cHRM")->data.size(), 32u);

    png.options.StoredTime = {2000, 13, 1, 0, 0, 0};
    png.options.Comment.clear();
    png.options.Gamma = 0;
    const auto types2 = ChunkTypes(png.SaveToBytes());
    EXPECT_EQ(std::count(types2.begin(), types2.end(), "tIME"), 0);
    EXPECT_EQ(std::count(types2.begin(), types2.end(), "tEXt"), 1);
    EXPECT_EQ(std::count(types2.begin(), types2.end(), "gAMA"), 0);
}

TEST(PngWriter, RefusesIdatSizesOutsideItsRange) {
    for (int size : {255, 100001, 0, -1}) {
        TZNBPNG png(FixedTime);
        png.options.IdatSize = size;
        png.Assign(PatternBitmap(2, 2, 24));
        try {
            png.SaveToBytes();
            ADD_FAILURE() << size;
        } catch (const EZNBPNG& e) {
            EXPECT_STREQ(e.what(), "Write PNG Param: Err IDAT Size(min:256  max:100000)");
        }
    }
    TZNBPNG png(FixedTime);
    png.options.IdatSize = 256;
    png.Assign(PatternBitmap(64, 64, 24));
    for (std::size_t s : IdatSizes(png.SaveToBytes())) EXPECT_LE(s, 256u);
}

TEST(PngWriter, SetTransparentColorFollowsTheImage) {
    TZNBPNG png(FixedTime);
    png.SetTransparentColor(0x123456);
    EXPECT_EQ(png.options.TransparentColor, 0x123456);
    Bitmap b = PatternBitmap(2, 2, 24);
    b.setTransparent(true);
    png.Assign(b);
    EXPECT_TRUE(png.transparent());
    png.SetTransparentColor(kNoColor);
    EXPECT_FALSE(png.transparent());
    EXPECT_EQ(png.options.TransparentColor, kNoColor);
}

}  // namespace
}  // namespace zorvane::test

// The PNG reader: files of every colour type and depth, the lenient cases, hostile input.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <fstream>
#include <sstream>
#include <random>

#include "encoders/adam7.h"
#include "encoders/encoder_test_support.h"
#include "encoders/picture_formats.h"
#include "encoders/png_error.h"
#include "encoders/png_to_bgra.h"
#include "encoders/save_encoding.h"
#include "encoders/znb_png.h"
#include "platform/byte_reader.h"
#include "platform/file_io.h"
#include "support/allocation_probe.h"
#include "support/cut_data.h"
#include "support/test_support.h"

namespace zorvane::test {
namespace {

Bytes Rgba(const TZNBPNG& png) { return RgbaWithAlpha(PngToBgra32(png)); }

// Pillow writes one file per colour type it supports; its own decoding is the expectation.
TEST(PngReader, ReadsWhatPillowWritesInEveryColourType) {
    const std::string python = PythonWithPillow();
    if (python.empty()) GTEST_SKIP() << "Pillow missing";
    TempDir dir;
    std::ofstream(dir / "make.py") << R"(import sys
from PIL import Image
d = sys.argv[1]
w, h = 11, 6
v = [[(x * 37 + y * 59) % 256 for x in range(w)] for y in range(h)]
def make(mode, f):
    im = Image.new(mode, (w, h)); im.putdata([f(v[y][x], x, y) for y in range(h) for x in range(w)]); return im
def pal(n):
    im = make('P', lambda p, x, y: p % n)
    im.putpalette([c for i in range(n) for c in ((i * 53) % 256, 255 - i, (i * 7) % 256)]); return im
files = {
  'grey1': make('1', lambda p, x, y: 255 if p & 1 else 0),
  'grey8': make('L', lambda p, x, y: p),
  'greyalpha': make('LA', lambda p, x, y: (p, (x * 40) % 256)),
  'rgb': make('RGB', lambda p, x, y: (p, 255 - p, (p * 3) % 256)),
  'rgba': make('RGBA', lambda p, x, y: (p, 255 - p, (p * 3) % 256, (y * 50) % 256)),
  'pal1': pal(2), 'pal2': pal(4), 'pal4': pal(16), 'pal8': pal(256),
}
opts = {'pal4': {'transparency': 3}, 'pal8': {'transparency': bytes([255, 128, 0, 7])}}
for name, im in files.items():
    path = '%s/%s.png' % (d, name)
    im.save(path, **opts.get(name, {}))
    print(name, Image.open(path).convert('RGBA').tobytes().hex())
)";
    const CommandResult made = RunCommand(python + " " + ShellQuote((dir / "make.py").string()) + " " +
                                          ShellQuote(dir.path().string()));
    ASSERT_EQ(made.exitCode, 0) << made.err;
    std::istringstream lines(made.out);
    int files = 0;
    for (std::string name, hex; lines >> name >> hex; ++files) {
        SCOPED_TRACE(name);
        TZNBPNG png;
        png.LoadFromStream(ReadWholeFile((dir / (name + ".png")).string()));
        EXPECT_EQ(Hex(Rgba(png)), hex);
        // A single fully transparent entry is a transparent colour, not an alpha plane.
        if (name == "pal4") {
            EXPECT_FALSE(png.hasAlpha());
            EXPECT_TRUE(png.image().transparent());
        }
    }
    EXPECT_EQ(files, 9);
}

// Sample v of channel c at (x, y), within the depth's range.
unsigned SampleAt(int x, int y, int c, int depth) {
    return static_cast<unsigned>(x * 7919 + y * 104729 + c * 31337) % (1u << depth);
}

struct DepthCase {
    std::uint8_t colorType, depth;
    int channels;
    int bitmapBits;
    bool alpha() const { return channels == 2 || channels == 4; }
};

Bytes PackSamples(const std::vector<unsigned>& samples, int depth) {
    Bytes packed((samples.size() * static_cast<std::size_t>(depth) + 7) / 8, 0);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (depth == 16) {
            packed[2 * i] = static_cast<std::uint8_t>(samples[i] >> 8);
            packed[2 * i + 1] = static_cast<std::uint8_t>(samples[i]);
        } else {
            const std::size_t bit = i * static_cast<std::size_t>(depth);
            packed[bit / 8] |= static_cast<std::uint8_t>(samples[i] << (8 - depth - static_cast<int>(bit % 8)));
        }
    }
    return packed;
}

// Unfiltered rows, pass by pass, so that the same samples land in the same places.
Bytes SampleRows(const DepthCase& c, int w, int h, bool interlaced) {
    Bytes rows;
    for (const ImagePass& pass : PassesFor(interlaced)) {
        const int pw = pass.width(w), ph = pass.height(h);
        if (pw == 0 || ph == 0) continue;
        for (int r = 0; r < ph; ++r) {
            std::vector<unsigned> samples;
            for (int k = 0; k < pw; ++k)
                for (int ch = 0; ch < c.channels; ++ch)
                    samples.push_back(SampleAt(pass.x0 + k * pass.dx, pass.y0 + r * pass.dy, ch, c.depth));
            rows.push_back(0);
            const Bytes packed = PackSamples(samples, c.depth);
            rows.insert(rows.end(), packed.begin(), packed.end());
        }
    }
    return rows;
}

// RGBA a viewer shows for (x, y): grey levels scaled to 8 bits, 16-bit samples by high byte,
// palette entry i being (i, 7, 255 - i).
std::array<unsigned, 4> ExpectedPixel(const DepthCase& c, int x, int y) {
    auto level = [&](int ch) {
        const unsigned v = SampleAt(x, y, ch, c.depth);
        if (c.depth == 16) return v >> 8;
        return c.depth == 8 ? v : v * (255 / ((1u << c.depth) - 1));
    };
    const unsigned alpha = c.alpha() ? level(c.channels - 1) : 255;
    if (c.colorType == 3) {
        const unsigned i = SampleAt(x, y, 0, c.depth);
        return {i, 7, 255 - i, 255};
    }
    if (c.channels <= 2) return {level(0), level(0), level(0), alpha};
    return {level(0), level(1), level(2), alpha};
}

TEST(PngReader, ReadsEveryDepthOfTheTable) {
    const DepthCase cases[] = {{0, 1, 1, 1},   {0, 2, 1, 4},  {0, 4, 1, 4},  {0, 8, 1, 8},   {0, 16, 1, 8},
                               {4, 8, 2, 8},   {4, 16, 2, 8}, {2, 8, 3, 24}, {2, 16, 3, 24}, {6, 8, 4, 24},
                               {6, 16, 4, 24}, {3, 1, 1, 1},  {3, 2, 1, 4},  {3, 4, 1, 4},   {3, 8, 1, 8}};
    Bytes plte;
    for (int i = 0; i < 256; ++i)
        plte.insert(plte.end(), {static_cast<std::uint8_t>(i), 7, static_cast<std::uint8_t>(255 - i)});
    const int w = 13, h = 4;
    for (const DepthCase& c : cases)
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE("type " + std::to_string(c.colorType) + " depth " + std::to_string(c.depth) +
                         (interlaced ? " adam7" : ""));
            std::vector<Bytes> extra;
            if (c.colorType == 3) extra.push_back(MakeChunk("PLTE", plte));
            TZNBPNG png;
            png.LoadFromStream(
                BuildPng(w, h, c.depth, c.colorType, SampleRows(c, w, h, interlaced), extra, interlaced));
            ASSERT_EQ(png.image().bitsPerPixel(), c.bitmapBits);
            EXPECT_EQ(png.hasAlpha(), c.alpha());
            EXPECT_EQ(png.options.Grayscale, c.colorType == 0 || c.colorType == 4);
            const Bitmap bgra = PngToBgra32(png);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const std::uint8_t* p = bgra.row(y) + 4 * x;
                    const std::array<unsigned, 4> got = {p[2], p[1], p[0], p[3]};
                    ASSERT_EQ(got, ExpectedPixel(c, x, y)) << x << "," << y;
                }
        }
}

// Variations of a valid file that must all load to the same pixels.
TEST(PngReader, ToleratesBadCrcsMissingEndAndMacBinaryHeader) {
    const Bitmap source = PatternBitmap(40, 30, 24, 4);
    TZNBPNG writer(FixedTime);
    writer.options.IdatSize = 256;  // many IDAT chunks
    writer.Assign(source);
    const Bytes good = writer.SaveToBytes();
    Bytes badCrcs = good;
    for (std::size_t pos = 8; pos + 12 <= badCrcs.size();) {
        const std::size_t len = ByteReader(badCrcs).u32be(pos);
        badCrcs[pos + 8 + len] ^= 0x5A;
        pos += 12 + len;
    }
    const Bytes noEnd(good.begin(), good.end() - 12);
    Bytes macBinary(128, 0);
    macBinary.insert(macBinary.end(), good.begin(), good.end());
    for (const Bytes* file : std::initializer_list<const Bytes*>{&good, &badCrcs, &noEnd, &macBinary}) {
        TZNBPNG png;
        png.LoadFromStream(*file);
        ASSERT_EQ(png.image().pixels(), source.pixels());
    }
}

TEST(PngReader, TakesOverTheOptionsOfTheFile) {
    Bytes plte = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    const std::vector<Bytes> chunks = {
        MakeChunk("gAMA", {0, 1, 0x86, 0xA0}),
        MakeChunk("pHYs", {0, 0, 0x0B, 0x13, 0, 0, 0x0B, 0x13, 1}),
        MakeChunk("tEXt", {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'a'}),
        MakeChunk("tEXt", {'c', 'o', 'm', 'm', 'e', 'n', 't', 0, 'x'}),
        MakeChunk("tEXt", {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'b'}),
        MakeChunk("PLTE", plte),
        MakeChunk("bKGD", {2}),
        MakeChunk("tRNS", {255, 0, 255}),
    };
    TZNBPNG png;
    png.LoadFromStream(BuildPng(2, 1, 8, 3, {0, 1, 2}, chunks));
    EXPECT_EQ(png.options.Comment, "a\r\n\r\nb\r\n");
    EXPECT_DOUBLE_EQ(png.options.Gamma, 1.0);
    EXPECT_EQ(png.options.PixelsPerUnitX, 2835);
    EXPECT_EQ(png.options.PhysicalUnit, 1);
    EXPECT_EQ(png.options.BackgroundColor, PaletteIndexColor(2));
    EXPECT_EQ(png.options.TransparentColor, PaletteIndexColor(1));
    EXPECT_EQ(png.image().transparentColor(), ToTColor({40, 50, 60}));
}

TEST(PngReader, PreviewFindsTheReaderByExtension) {
    const PictureFormat* png = PictureFormatForExtension(".png");
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(png->description, "PNG Format");
    const Bitmap shown = png->load(EncodePngForSave(PatternBitmap(3, 2, 24), true, FixedTime));
    EXPECT_EQ(shown.bitsPerPixel(), 32);
    EXPECT_EQ(shown.row(1)[3], 0);  // the bottom-left pixel is transparent
    ASSERT_NE(PictureFormatForExtension("Gif"), nullptr);
    EXPECT_EQ(PictureFormatForExtension("gif")->load, nullptr);
    EXPECT_EQ(PictureFormatForExtension("bmp"), nullptr);
}

struct Hostile {
    std::string name;
    Bytes data;
    std::string message;
};

Bytes WithIhdrByte(std::size_t index, std::uint8_t value) {
    Bytes png = BuildPng(4, 4, 8, 2, Bytes(4 * 13, 0));
    png[16 + index] = value;
    return png;
}

std::vector<Hostile> HostileInputs() {
    const Bytes rows(4 * 13, 0);
    const Bytes good = BuildPng(4, 4, 8, 2, rows);
    Bytes badFilter = rows;
    badFilter[13] = 5;
    Bytes huge = BuildPng(100000, 100000, 8, 2, rows);
    Bytes zeroWidth = BuildPng(0, 4, 8, 2, rows);
    const std::size_t idat = 8 + 25;
    Bytes absurdLength = BuildPng(4, 4, 8, 2, rows, {MakeChunk("tEXt", {'a', 0, 'b'})});
    absurdLength[idat] = 0xFF;
    Bytes idatThenText = BuildPng(4, 4, 8, 2, Bytes(4 * 13 - 10, 0));
    Bytes brokenZlib = good;
    brokenZlib[idat + 8] ^= 0xFF;
    Bytes twoHeaders = good;
    twoHeaders.insert(twoHeaders.begin() + 33, good.begin() + 8, good.begin() + 33);
    Bytes headerOnly(good.begin(), good.begin() + 33);
    Bytes endFirst = good;
    const Bytes iend = MakeChunk("IEND", {});
    endFirst.insert(endFirst.begin() + 33, iend.begin(), iend.end());
    const std::string r = "Read Image (PNG): Read Error";
    return {
        {"not png", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0}, "PNG LoadStream: Not PNG Format"},
        {"empty", {}, "PNG LoadStream: Not PNG Format"},
        {"two headers", twoHeaders, "Read Header(PNG): appear two IHDR"},
        {"colour type 5", WithIhdrByte(9, 5), "Read Header(PNG): Error ColorType"},
        {"colour type 9", WithIhdrByte(9, 9), "Read Header(PNG): Error ColorType"},
        {"rgb depth 4", WithIhdrByte(8, 4), "Read Header(PNG): Error BitDepth"},
        {"compression", WithIhdrByte(10, 2), "Read Header(PNG): not support Compression"},
        {"filter method", WithIhdrByte(11, 2), "Read Header(PNG): not supprt Filter"},
        {"interlace method", WithIhdrByte(12, 2), "Read Header(PNG): not interlace type"},
        {"huge", huge, "Read Header(PNG): Error ImageSize"},
        {"zero width", zeroWidth, "Read Header(PNG): Error ImageSize"},
        {"bad filter byte", BuildPng(4, 4, 8, 2, badFilter), r},
        {"absurd chunk length", absurdLength, r},
        {"short image data", idatThenText, r},
        {"broken zlib", brokenZlib, r},
        {"truncated in idat", Bytes(good.begin(), good.begin() + idat + 12), r},
        {"no image data", headerOnly, r},
        {"end before data", endFirst, r},
    };
}

void ExpectPngError(const Bytes& data, const std::string& message) {
    TZNBPNG png;
    try {
        png.LoadFromStream(data);
        ADD_FAILURE() << "loaded";
    } catch (const EZNBPNG& e) {
        EXPECT_EQ(e.what(), message);
    }
}

TEST(PngReader, HostileFilesFailWithTheirMessage) {
    for (const Hostile& h : HostileInputs()) {
        SCOPED_TRACE(h.name);
        ExpectPngError(h.data, h.message);
    }
    ExpectPngError(BuildPng(4, 4, 3, 0, {}), "Read Header(PNG): Error Bitdepth");
    ExpectPngError(BuildPng(4, 4, 4, 4, {}), "Read Header(PNG): not Use AlphaChannel");
}

// A header claiming a 9000 x 9000 image over a few bytes of data is refused before the
// quarter-gigabyte image is made, interlaced or not; data compressed as far as zlib goes
// still holds its image.
TEST(PngReader, AnImageTheDataCannotHoldIsRefusedBeforeAllocation) {
    for (bool interlaced : {false, true}) {
        const Bytes png = BuildPng(9000, 9000, 8, 2, Bytes(4 * 13, 0), {}, interlaced);
        const std::size_t largest = LargestAllocationDuring(
            [&] { ExpectPngError(png, "Read Image (PNG): Read Error"); });
        EXPECT_LT(largest, std::size_t{1} << 20) << interlaced;
    }
    TZNBPNG zeros;
    zeros.LoadFromStream(BuildPng(3000, 3000, 8, 0, Bytes(3000 * 3001, 0)));
    EXPECT_EQ(zeros.image().width(), 3000);
    EXPECT_EQ(zeros.image().row(2999)[2999], 0);
}

// Every prefix and many corrupted copies of a real file: a clean result or EZNBPNG, nothing
// else (the sanitizer run checks that nothing is read outside the data). A file cut inside
// its image data is refused; one cut only in the trailer (the deflate checksum, the last
// chunk's CRC and IEND: 20 bytes) still gives the whole image, never a partial one.
TEST(PngReader, TruncatedAndCorruptedFilesNeverEscapeAsOtherErrors) {
    TZNBPNG writer(FixedTime);
    writer.options.Interlaced = true;
    writer.options.IdatSize = 256;
    writer.options.FilterMode = kFilterAdaptive;
    writer.Assign(PatternBitmap(23, 17, 8, 2));
    const Bytes good = writer.SaveToBytes();
    auto tryLoad = [](const Bytes& data) -> std::optional<Bytes> {
        TZNBPNG png;
        try {
            png.LoadFromStream(data);
            return png.image().pixels();
        } catch (const EZNBPNG&) {
            return std::nullopt;
        }
    };
    test::ExpectCutsRefusedBeforeTrailer(good, 20, tryLoad);
    std::mt19937 random(7);
    for (int i = 0; i < 1000; ++i) {
        Bytes bad = good;
        for (int k = 0; k < 1 + i % 4; ++k) bad[random() % bad.size()] = static_cast<std::uint8_t>(random());
        tryLoad(bad);
    }
}

}  // namespace
}  // namespace zorvane::test

// Bitmap files checked by an independent reader: Python's imaging library must see the
// same pixels we decoded.

#include <gtest/gtest.h>

#include <sstream>

#include "core/bitmap_file.h"
#include "core/icon_decode.h"
#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::RunCommand;
using test::ShellQuote;

// Red, green, blue of every pixel; 16-bit pixels as their 5-bit channels, since readers
// widen 5 bits to 8 in different ways.
std::string HexOfPixels(const Bitmap& b) {
    std::ostringstream hex;
    hex << std::hex;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const Rgb c = b.pixelColor(x, y);
            for (int v : {c.red, c.green, c.blue}) {
                if (b.bitsPerPixel() == 16) v >>= 3;
                hex << (v < 16 ? "0" : "") << v;
            }
        }
    return hex.str();
}

std::string FiveBitChannels(const std::string& hex) {
    std::ostringstream out;
    out << std::hex;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int v = std::stoi(hex.substr(i, 2), nullptr, 16) >> 3;
        out << (v < 16 ? "0" : "") << v;
    }
    return out.str();
}

TEST(BitmapFile, AnIndependentReaderSeesTheDecodedPixels) {
    const std::string python = test::PythonWithPillow();
    if (python.empty()) GTEST_SKIP() << "python3-pil is not installed";
    std::vector<Bitmap> bitmaps;
    TransformState turned;
    turned.TurnLeft();
    turned.MirrorLeftRight();
    for (int bits : {1, 4, 8, 24, 32}) {
        TIconStream stream;
        stream.write(test::MakeIconFile({{13, 13, bits, 6}, {32, 32, bits, 7}}));
        SilentMessageSink sink;
        for (int i = 0; i < 2; ++i) {
            bitmaps.push_back(*IconImageToBitmap(stream, i, 25, 10, -5, TransformState{}, sink));
            bitmaps.push_back(*IconImageToBitmap(stream, i, 0, 0, 0, turned, sink));
        }
    }
    Bitmap sixteen(7, 3, 16);  // 5-5-5 pixels
    for (std::size_t i = 0; i < sixteen.pixels().size(); ++i) sixteen.pixels()[i] = static_cast<std::uint8_t>(i * 37);
    bitmaps.push_back(sixteen);

    test::TempDir dir;
    std::string files;
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        const auto path = (dir / (std::to_string(i) + ".bmp")).string();
        SaveBitmapFile(bitmaps[i], path);
        files += " " + ShellQuote(path);
    }
    const auto result = RunCommand(python +
                                   " -c 'import sys\nfrom PIL import Image\nfor p in sys.argv[1:]:\n"
                                   "  im = Image.open(p)\n  print(im.size[0], im.size[1], "
                                   "im.convert(\"RGB\").tobytes().hex())' " +
                                   files);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::istringstream lines(result.out);
    for (const Bitmap& b : bitmaps) {
        SCOPED_TRACE(b.bitsPerPixel());
        int w = 0, h = 0;
        std::string hex;
        ASSERT_TRUE(lines >> w >> h >> hex);
        EXPECT_EQ(w, b.width());
        EXPECT_EQ(h, b.height());
        EXPECT_EQ(b.bitsPerPixel() == 16 ? FiveBitChannels(hex) : hex, HexOfPixels(b));
    }
}

}  // namespace
}  // namespace zorvane

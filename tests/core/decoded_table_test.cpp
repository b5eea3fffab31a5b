// Every image of every fixture decoded as the grid and the preview draw it, against the table
// tests/fixtures/decoded.csv. A change in any decoder shows up as a changed row, reviewed with
// the change. ZORVANE_WRITE_DECODED_TABLE=1 writes the table anew instead of checking it.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <iomanip>
#include <sstream>

#include "core/icon_compositor.h"
#include "core/icon_file.h"
#include "core/icon_stream.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

// The fixtures beside many.dll, which holds only copies of many.ico for the benchmarks.
constexpr const char* kFixtures[] = {"depths.ico",   "png256.ico", "small.ico", "red.ico",  "blue.ico", "many.ico",
                                     "numbered.dll", "named.exe",  "mixed.dll", "pe32.dll", "pe32.exe", "lang.dll"};

std::string DecodedTable() {
    std::ostringstream table;
    table << "fixture,group,image,width,height,bits,crc32\n";
    for (const char* name : kFixtures) {
        const std::string path = test::BuiltFixture(name).string();
        const int groups = IconCountOfFile(path);
        for (int g = 0; g < groups; ++g) {
            TIconStream stream;
            LoadGroupOfFile(stream, path, g);
            FillMissingBitCounts(stream);
            for (int i = 0; i < ImageCount(stream); ++i) {
                const IconDirEntry e = DirEntry(stream, i);
                const Bitmap argb = IconToArgb(
                    CreateIconBitmaps(ReadIconImage(stream, i), e.pixelWidth(), e.pixelHeight()));
                const auto pixels = argb.pixels();
                const uLong crc = crc32(0, pixels.data(), static_cast<uInt>(pixels.size()));
                table << name << ',' << g << ',' << i << ',' << argb.width() << ',' << argb.height() << ','
                      << e.bitCount << ',' << std::hex << std::setw(8) << std::setfill('0') << crc << std::dec
                      << std::setfill(' ') << '\n';
            }
        }
    }
    return table.str();
}

TEST(DecodedTable, EveryFixtureImageDecodesAsRecorded) {
    const auto golden = test::SourceFixture("decoded.csv");
    const std::string table = DecodedTable();
    if (const char* write = std::getenv("ZORVANE_WRITE_DECODED_TABLE"); write && std::string(write) == "1") {
        test::WriteText(golden, table);
        GTEST_SKIP() << "wrote " << golden;
    }
    const auto recorded = test::ReadFile(golden);
    EXPECT_EQ(table, std::string(recorded.begin(), recorded.end()))
        << "a decoded image changed; if that is intended, rerun with ZORVANE_WRITE_DECODED_TABLE=1 and review the "
           "diff of tests/fixtures/decoded.csv";
}

}  // namespace
}  // namespace zorvane

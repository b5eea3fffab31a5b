#include <gtest/gtest.h>

#include "platform/random_access_file.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

TEST(RandomAccessFile, ReadsAnyRangeInsideTheFileAndNothingElse) {
    test::TempDir dir;
    std::vector<std::uint8_t> bytes(30000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    test::WriteFile(dir / "f", bytes);
    const auto file = RandomAccessFile::Open((dir / "f").string());
    ASSERT_TRUE(file);
    // Small reads inside one block and across blocks, large reads, the very end.
    for (std::uint64_t off : {0ull, 100ull, 8190ull, 16383ull, 29990ull})
        for (std::uint64_t len : {0ull, 1ull, 10ull, 5000ull, 9000ull}) {
            const auto got = file->ReadAt(off, len);
            if (off + len > bytes.size()) {
                EXPECT_FALSE(got) << off << "+" << len;
                continue;
            }
            ASSERT_TRUE(got) << off << "+" << len;
            EXPECT_TRUE(std::equal(got->begin(), got->end(), bytes.begin() + static_cast<std::ptrdiff_t>(off)));
        }
    EXPECT_FALSE(file->ReadAt(UINT64_MAX, 2));
    EXPECT_FALSE(file->ReadAt(1, UINT64_MAX));
    EXPECT_FALSE(RandomAccessFile::Open(dir.path().string()));
}

// Several ranges at once come back in the order asked, whatever their order, overlaps and
// distances in the file, and only the ranges and the small gaps between them are read.
TEST(RandomAccessFile, AppendsRangesInTheOrderAskedReadingLittleMore) {
    test::TempDir dir;
    std::vector<std::uint8_t> bytes(3u << 20);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    test::WriteFile(dir / "f", bytes);
    using R = RandomAccessFile::Range;
    const struct {
        std::vector<R> ranges;
        std::uint64_t mostRead;
    } cases[] = {
        {{}, 0},
        {{{10, 5}}, 5},
        {{{300, 100}, {100, 100}, {200, 100}}, 300},                       // back to back, asked out of order
        {{{100, 50}, {120, 50}, {100, 50}, {100, 0}}, 70},                 // overlapping, repeated, empty
        {{{0, 10}, {2u << 20, 10}, {4000, 10}}, 4096 + 20},                // far apart: the gap is not read
        {{{5, (1u << 20) + 1}, {6, 20}, {3u << 20, 0}}, (1u << 20) + 21},  // a long range by itself
    };
    for (const auto& c : cases) {
        const auto file = RandomAccessFile::Open((dir / "f").string());
        std::vector<std::uint8_t> out{42}, expected{42};
        for (const R& r : c.ranges) {
            const auto part = file->ReadAt(r.offset, r.length);
            expected.insert(expected.end(), part->begin(), part->end());
        }
        const std::uint64_t before = file->bytesRead();
        ASSERT_TRUE(file->AppendRanges(c.ranges, out)) << c.ranges.size();
        EXPECT_EQ(out, expected) << c.ranges.size();
        EXPECT_LE(file->bytesRead() - before, c.mostRead) << c.ranges.size();
    }
    const auto file = RandomAccessFile::Open((dir / "f").string());
    std::vector<std::uint8_t> out{42};
    const std::vector<R> outside[] = {{{0, 10}, {bytes.size() - 5, 6}}, {{UINT64_MAX, 2}}, {{1, UINT64_MAX}}};
    for (const auto& ranges : outside) {
        EXPECT_FALSE(file->AppendRanges(ranges, out));
        EXPECT_EQ(out, std::vector<std::uint8_t>{42});
    }
}

}  // namespace
}  // namespace zorvane

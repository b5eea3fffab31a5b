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

}  // namespace
}  // namespace zorvane

// Damaged modules: a group comes out whole and unchanged, or not at all.

#include <gtest/gtest.h>

#include <random>

#include "core/icon_extraction.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> Groups(const std::string& path, int count) {
    std::vector<Bytes> groups;
    for (int g = 0; g < count; ++g) {
        TIconStream s;
        LoadIconGroup(s, path, g);
        groups.emplace_back(s.bytes().begin(), s.bytes().end());
    }
    return groups;
}

TEST(DamagedModule, ATruncatedModuleGivesWholeGroupsOrNone) {
    const auto whole = test::ReadFile(test::BuiltFixture("mixed.dll"));
    const auto expected = Groups(test::BuiltFixture("mixed.dll").string(), 3);
    test::TempDir dir;
    const auto path = (dir / "cut.dll").string();
    for (std::size_t len = 0; len < whole.size(); len += 1499) {
        test::WriteFile(path, Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(len)));
        const auto got = Groups(path, 3);
        for (std::size_t g = 0; g < 3; ++g)
            EXPECT_TRUE(got[g].empty() || got[g] == expected[g]) << "length " << len << " group " << g;
    }
}

// Random bytes changed in the headers and the resource directory: nothing may crash or
// read outside the file, and what comes out is a readable icon stream.
TEST(DamagedModule, CorruptedDirectoriesNeverGiveAnUnreadableStream) {
    const auto whole = test::ReadFile(test::BuiltFixture("pe32.dll"));
    test::TempDir dir;
    const auto path = (dir / "bad.dll").string();
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        Bytes bytes = whole;
        // Headers and directory (the resource section starts at 0x800), or the directory alone.
        const std::size_t from = round % 2 ? 0 : 0x800, to = 0xC00;
        for (int k = 0; k < 1 + round % 8; ++k)
            bytes[from + random() % (to - from)] = static_cast<std::uint8_t>(random());
        test::WriteFile(path, bytes);
        for (const Bytes& group : Groups(path, 4)) {
            TIconStream s;
            s.write(group);
            EXPECT_TRUE(group.empty() || IsReadableIconStream(s)) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace zorvane

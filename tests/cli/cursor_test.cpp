// Cursors: .cur files open as icon files do, and modules' cursor groups come back as the
// .cur files they were built from, hot spots included.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/byte_reader.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::RunCli;
using test::TempDir;

std::string Fixture(const char* name) { return BuiltFixture(name).string(); }

TEST(Cursors, ModuleCursorGroupsComeBackAsTheFilesTheyWereBuiltFrom) {
    TempDir dir;
    const std::string dll = Fixture("cursors.dll");
    EXPECT_EQ(RunCli({"count", dll, "--cursors"}).out, "2\n");
    EXPECT_EQ(RunCli({"count", dll}).out, "1\n");
    const struct {
        const char* group;
        const char* source;
    } cases[] = {{"0", "hand.cur"}, {"POINTER", "hand.cur"}, {"1", "arrow.cur"}, {"#1", "arrow.cur"}};
    for (const auto& c : cases) {
        const auto out = dir / "out.cur";
        const auto r = RunCli({"group", dll, c.group, out.string(), "--cursors"});
        ASSERT_EQ(r.exitCode, 0) << c.group << r.err;
        EXPECT_EQ(test::ReadFile(out), test::ReadFile(BuiltFixture(c.source))) << c.group;
    }
    ASSERT_EQ(RunCli({"group", dll, "all", (dir / "all").string(), "--cursors"}).exitCode, 0);
    EXPECT_EQ(test::ReadFile(dir / "all" / "cursors-1.cur"), test::ReadFile(BuiltFixture("arrow.cur")));
    // Bit counts come from the images: a cursor's directory holds its hot spot there.
    EXPECT_EQ(RunCli({"list", dll, "1", "--cursors"}).out, "1 0 32 32 1 304 #1 1033\n1 1 16 16 4 296 #1 1033\n");
    EXPECT_EQ(RunCli({"list", Fixture("arrow.cur")}).out, "0 0 32 32 1 304 - -\n0 1 16 16 4 296 - -\n");
}

TEST(Cursors, ACurFileOpensWholeWhateverItsName) {
    TempDir dir;
    const auto bytes = test::ReadFile(BuiltFixture("arrow.cur"));
    for (const char* name : {"arrow.cur", "arrow.CUR", "arrow.ani.bin", "arrow"}) {
        test::WriteFile(dir / name, bytes);
        const auto out = dir / "copy.cur";
        EXPECT_EQ(RunCli({"count", (dir / name).string()}).out, "1\n") << name;
        ASSERT_EQ(RunCli({"group", (dir / name).string(), "0", out.string()}).exitCode, 0) << name;
        EXPECT_EQ(test::ReadFile(out), bytes) << name;
    }
}

// The hot spot of the saved cursor marks the same pixel as the original's.
TEST(Cursors, ATurnedOrMirroredCursorsHotSpotMovesWithItsPixel) {
    TempDir dir;
    const auto source = test::ReadFile(BuiltFixture("hand.cur"));  // 32x32, 32 bits, hot spot 10,20
    const auto pixel = [](const std::vector<std::uint8_t>& cur, unsigned x, unsigned y) {
        const ByteReader r(cur);
        return r.u32le(r.u32le(18) + 40 + 4 * ((31 - y) * 32 + x));
    };
    const struct {
        const char* turn;
        unsigned x, y;
    } cases[] = {{"r90", 11, 10}, {"r270", 20, 21}, {"r180", 21, 11}, {"h", 21, 20}, {"v", 10, 11}, {"r90,h", 20, 10}};
    for (const auto& c : cases) {
        const auto out = dir / "turned.cur";
        const auto r = RunCli({"save", Fixture("cursors.dll"), "POINTER", out.string(), "--cursors", "--turn", c.turn});
        ASSERT_EQ(r.exitCode, 0) << c.turn << r.err;
        const auto saved = test::ReadFile(out);
        const ByteReader s(saved);
        EXPECT_EQ(s.u16le(2), 2) << c.turn;
        EXPECT_EQ(s.u16le(10), c.x) << c.turn;
        EXPECT_EQ(s.u16le(12), c.y) << c.turn;
        EXPECT_EQ(pixel(saved, c.x, c.y), pixel(source, 10, 20)) << c.turn;
    }
}

}  // namespace
}  // namespace zorvane

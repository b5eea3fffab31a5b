#include <gtest/gtest.h>

#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::RunCli;

TEST(CountVerb, CountsGroupsOfModulesAndIconFiles) {
    EXPECT_EQ(RunCli({"count", BuiltFixture("many.dll").string()}).out, "160\n");
    EXPECT_EQ(RunCli({"count", BuiltFixture("pe32.exe").string()}).out, "3\n");
    EXPECT_EQ(RunCli({"count", BuiltFixture("depths.ico").string()}).out, "1\n");
    EXPECT_EQ(RunCli({"count", BuiltFixture("lang_group.bin").string()}).out, "0\n");
}

TEST(ListVerb, ListsEveryImageWithTheDirectorysValues) {
    const auto r = RunCli({"list", BuiltFixture("numbered.dll").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "0 0 32 32 1 304 #1 1033\n0 1 16 16 4 296 #1 1033\n0 2 32 32 4 744 #1 1033\n"
              "0 3 32 32 8 2216 #1 1033\n0 4 32 32 24 3240 #1 1033\n0 5 32 32 32 4264 #1 1033\n"
              "1 0 256 256 32 161710 #2 1033\n1 1 32 32 32 4264 #2 1033\n"
              "2 0 16 16 8 1384 #10 1033\n");
    EXPECT_EQ(RunCli({"list", BuiltFixture("named.exe").string(), "2"}).out, "2 0 16 16 8 1384 ZEBRA 1033\n");
    EXPECT_EQ(RunCli({"list", BuiltFixture("small.ico").string()}).out, "0 0 16 16 8 1384 - -\n");
}

TEST(ListVerb, AMissingBitCountIsTakenFromTheImageHeader) {
    test::TempDir dir;
    auto ico = test::ReadFile(BuiltFixture("small.ico"));
    ico[6 + 6] = 0;  // the directory's bit count word
    test::WriteFile(dir / "nobits.ico", ico);
    EXPECT_EQ(RunCli({"list", (dir / "nobits.ico").string()}).out, "0 0 16 16 8 1384 - -\n");
}

TEST(ListVerb, AGroupPastTheLastIsAnError) {
    const auto r = RunCli({"list", BuiltFixture("named.exe").string(), "3"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("アイコンが含まれていません"), std::string::npos);
    EXPECT_EQ(RunCli({"list", BuiltFixture("named.exe").string(), "#x"}).exitCode, 2);
}

}  // namespace
}  // namespace zorvane

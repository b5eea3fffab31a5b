#include <gtest/gtest.h>

#include <filesystem>

#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::RunCli;
using test::TempDir;

// Icon files are the one kind of file the count takes without fixture modules.
TEST(ScanVerb, PrintsTheListLinesOfAFlatAndATreeWalk) {
    TempDir dir;
    const auto icon = test::MakeIconFile({{16, 16, 8, 1}});
    fs::create_directories(dir / "Vendor" / "Sub");
    test::WriteFile(dir / "b.ico", icon);
    test::WriteFile(dir / "A.ICO", icon);
    test::WriteFile(dir / "broken.ico", {0, 0, 1, 0});
    test::WriteFile(dir / "Vendor" / "Sub" / "c.ico", icon);
    const auto flat = RunCli({"scan", dir.path().string(), "ico"});
    EXPECT_EQ(flat.exitCode, 0) << flat.err;
    EXPECT_EQ(flat.out, "A.ICO,1\nb.ico,1\n");
    const auto tree = RunCli({"scan", dir.path().string(), "ico", "--tree"});
    EXPECT_EQ(tree.exitCode, 0) << tree.err;
    EXPECT_EQ(tree.out, "A.ICO,1\nb.ico,1\nVendor/Sub/c.ico,1\n");
    EXPECT_EQ(RunCli({"scan", (dir / "missing").string(), "dll", "--tree"}).out, "");
}

TEST(ScanVerb, WrongArgumentsAreUsageErrors) {
    EXPECT_EQ(RunCli({"scan", "/tmp"}).exitCode, 2);
    EXPECT_EQ(RunCli({"scan", "/tmp", "dll", "--flat"}).exitCode, 2);
    EXPECT_EQ(RunCli({"scan", "/tmp", ""}).exitCode, 2);
}

}  // namespace
}  // namespace zorvane

// Files that are no module, or damaged ones: every verb ends with a message, never a crash.

#include <gtest/gtest.h>

#include "support/pe_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::RunCli;

const std::string kCannotOpen = "このファイルまたはフォルダは開けません。";
const std::string kNoIcons = "アイコンが含まれていません";

// A module whose only group claims 65535 images, and one whose resource tree loops.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> DamagedModules() {
    auto claims = test::MakeGroupResource({{16, 16, 8, 40, 1}});
    claims[4] = claims[5] = 0xFF;
    const auto tooMany = test::MakePeModule(
        {{14, ResourceName::Id(1), 0, claims}, {3, ResourceName::Id(1), 0, std::vector<std::uint8_t>(40, 1)}});
    auto loop = test::MakePeModule({{14, ResourceName::Id(1), 0, std::vector<std::uint8_t>(20, 0)}});
    // The type table's entry points back at the type table.
    loop.bytes[loop.resourceSection + 24 + 16 + 4] = 24;
    loop.bytes[loop.resourceSection + 24 + 16 + 5] = 0;
    const auto whole = test::ReadFile(BuiltFixture("pe32.dll"));
    auto pastEnd = whole;
    pastEnd.resize(whole.size() / 2);  // the resource section is cut short
    return {{"claims65535.dll", tooMany.bytes},
            {"loop.dll", loop.bytes},
            {"cut.dll", pastEnd},
            {"empty.dll", {}},
            {"header.dll", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 300)}};
}

TEST(HostileFiles, ListAndGroupFailWithAMessage) {
    test::TempDir dir;
    for (const auto& [name, bytes] : DamagedModules()) {
        const auto path = (dir / name).string();
        test::WriteFile(path, bytes);
        const auto count = RunCli({"count", path});
        EXPECT_EQ(count.exitCode, 0) << name;
        const auto list = RunCli({"list", path});
        EXPECT_EQ(list.exitCode, 1) << name;
        EXPECT_TRUE(list.err.find(kCannotOpen) != std::string::npos || list.err.find(kNoIcons) != std::string::npos)
            << name << ": " << list.err;
        const auto group = RunCli({"group", path, "0", (dir / "out.ico").string()});
        EXPECT_EQ(group.exitCode, 1) << name;
        EXPECT_FALSE(group.err.empty()) << name;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.ico")) << name;
    }
}

TEST(HostileFiles, AFolderOrAMissingFileIsRefused) {
    test::TempDir dir;
    for (const std::string& path : {dir.path().string(), (dir / "missing.dll").string()}) {
        for (const auto& args : std::vector<std::vector<std::string>>{{"count", path},
                                                                      {"list", path},
                                                                      {"group", path, "all", (dir / "out").string()}}) {
            const auto r = RunCli(args);
            EXPECT_EQ(r.exitCode, 1) << args[0] << " " << path;
            EXPECT_NE(r.err.find(kCannotOpen), std::string::npos) << r.err;
        }
    }
}

TEST(HostileFiles, AllGoesOnPastAnUnreadableGroup) {
    test::TempDir dir;
    const auto module = test::MakePeModule({{14, ResourceName::Id(1), 0, test::MakeGroupResource({{16, 16, 8, 40, 2}})},
                                            {14, ResourceName::Id(2), 0, test::MakeGroupResource({{16, 16, 8, 40, 1}})},
                                            {3, ResourceName::Id(1), 0, std::vector<std::uint8_t>(40, 1)}});
    test::WriteFile(dir / "half.dll", module.bytes);
    const auto r = RunCli({"group", (dir / "half.dll").string(), "all", (dir / "out").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(kNoIcons), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "half-0.ico"));
    EXPECT_EQ(test::ReadFile(dir / "out" / "half-1.ico").size(), 22u + 40u);
}

}  // namespace
}  // namespace zorvane

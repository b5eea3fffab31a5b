// Groups named by index, #ID or NAME, and the JSON listing.

#include <gtest/gtest.h>

#include "support/ne_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::RunCli;

TEST(GroupAddress, IndexIdAndNameReachTheSameGroup) {
    const struct {
        const char* fixture;
        const char* index;
        const char* other;
    } cases[] = {
        {"named.exe", "1", "DOCUMENT"}, {"named.exe", "1", "document"}, {"mixed.dll", "0", "MAINICON"},
        {"mixed.dll", "1", "#3"},       {"mixed.dll", "2", "#20"},      {"pe32.exe", "2", "ZEBRA"},
    };
    for (const auto& c : cases) {
        const std::string path = BuiltFixture(c.fixture).string();
        const auto byIndex = RunCli({"list", path, c.index});
        ASSERT_EQ(byIndex.exitCode, 0) << c.fixture << byIndex.err;
        EXPECT_EQ(RunCli({"list", path, c.other}).out, byIndex.out) << c.fixture << " " << c.other;
    }
    const std::string mixed = BuiltFixture("mixed.dll").string();
    for (const char* missing : {"#4", "NOPE", "#0"}) EXPECT_EQ(RunCli({"list", mixed, missing}).exitCode, 1) << missing;
    for (const char* wrong : {"#", "#x", "#-3"}) EXPECT_EQ(RunCli({"list", mixed, wrong}).exitCode, 2) << wrong;
}

TEST(GroupAddress, NeGroupsAreNamedAsPeGroupsAre) {
    test::TempDir dir;
    const auto fixture = test::NeFixtures()[1];  // named.dll: APPICON, DOCUMENT, 3
    test::WriteFile(dir / fixture.fileName, fixture.module.bytes);
    const std::string path = (dir / fixture.fileName).string();
    EXPECT_EQ(RunCli({"list", path, "DOCUMENT"}).out, "1 0 16 16 8 1384 DOCUMENT 0\n");
    EXPECT_EQ(RunCli({"list", path, "#3"}).out.substr(0, 2), "2 ");
}

TEST(ListVerb, JsonNamesEveryGroupAndImage) {
    const auto r = RunCli({"list", BuiltFixture("mixed.dll").string(), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find(",\"images\"")),
              "{\"file\":\"" + BuiltFixture("mixed.dll").string() +
                  "\",\"groups\":[{\"index\":0,\"name\":\"MAINICON\",\"id\":null,\"language\":1033");
    EXPECT_EQ(RunCli({"list", BuiltFixture("numbered.dll").string(), "#2", "--json"}).out,
              "{\"file\":\"" + BuiltFixture("numbered.dll").string() +
                  "\",\"groups\":[{\"index\":1,\"name\":null,\"id\":2,\"language\":1033,\"images\":["
                  "{\"width\":256,\"height\":256,\"bitCount\":32,\"size\":161710,\"format\":\"png\"},"
                  "{\"width\":32,\"height\":32,\"bitCount\":32,\"size\":4264,\"format\":\"bitmap\"}]}]}\n");
    EXPECT_EQ(RunCli({"list", BuiltFixture("small.ico").string(), "--json"}).out,
              "{\"file\":\"" + BuiltFixture("small.ico").string() +
                  "\",\"groups\":[{\"index\":0,\"name\":null,\"id\":null,\"language\":null,\"images\":["
                  "{\"width\":16,\"height\":16,\"bitCount\":8,\"size\":1384,\"format\":\"bitmap\"}]}]}\n");
    if (!test::HaveProgram("python3")) return;
    const auto parsed = test::RunCommand(test::ShellQuote(ZORVANE_CLI_PATH) + " list " +
                                         test::ShellQuote(BuiltFixture("named.exe").string()) +
                                         " --json | python3 -c 'import json,sys; d=json.load(sys.stdin); "
                                         "print(len(d[\"groups\"]), d[\"groups\"][2][\"name\"])'");
    EXPECT_EQ(parsed.out, "3 ZEBRA\n");
}

}  // namespace
}  // namespace zorvane

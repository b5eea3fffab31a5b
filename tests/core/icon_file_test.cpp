#include <gtest/gtest.h>

#include "core/icon_file.h"
#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;

TEST(IconFile, TheExtensionIsComparedInLowerCase) {
    EXPECT_TRUE(IsIconFilePath("a/b.ICO"));
    EXPECT_TRUE(IsIconFilePath("x.Ico"));
    EXPECT_FALSE(IsIconFilePath("x.icon"));
    EXPECT_FALSE(IsIconFilePath("ico"));
    EXPECT_FALSE(IsIconFilePath("x.dll"));

    test::TempDir dir;
    const auto bytes = test::MakeIconFile({{16, 16, 4, 1}, {32, 32, 32, 2}});
    test::WriteFile(dir / "UPPER.ICO", bytes);
    TIconStream s;
    LoadGroupOfFile(s, (dir / "UPPER.ICO").string(), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(s.bytes().begin(), s.bytes().end()), bytes);
    EXPECT_EQ(IconCountOfFile((dir / "UPPER.ICO").string()), 1);
    LoadGroupOfFile(s, (dir / "UPPER.ICO").string(), 1);
    EXPECT_TRUE(s.empty());
}

TEST(IconFile, ADirectoryClaimingMoreThanTheFileHoldsGivesNothing) {
    test::TempDir dir;
    const auto good = test::MakeIconFile({{16, 16, 8, 1}});
    std::vector<std::vector<std::uint8_t>> bad = {{},
                                                  {0, 0, 1, 0},
                                                  test::MakeIconFile({}),
                                                  std::vector<std::uint8_t>(good.begin(), good.end() - 1),
                                                  good};
    bad.back()[4] = 0xFF;
    bad.back()[5] = 0xFF;  // 65535 entries
    for (std::size_t i = 0; i < bad.size(); ++i) {
        const auto path = dir / ("bad" + std::to_string(i) + ".ico");
        test::WriteFile(path, bad[i]);
        TIconStream s;
        s.write(good);
        LoadIconFile(s, path.string());
        EXPECT_TRUE(s.empty()) << i;
        EXPECT_EQ(IconCountOfFile(path.string()), 0) << i;
    }
    EXPECT_EQ(IconCountOfFile(dir.path().string()), 0);
    EXPECT_EQ(IconCountOfFile((dir / "missing.ico").string()), 0);
}

TEST(IconFile, IconCountOfModulesAndOtherFiles) {
    EXPECT_EQ(IconCountOfFile(BuiltFixture("many.dll").string()), 160);
    EXPECT_EQ(IconCountOfFile(BuiltFixture("lang.dll").string()), 3);
    // An icon file under a module's name is still an icon file: its content decides.
    test::TempDir dir;
    test::WriteFile(dir / "icon.dll", test::ReadFile(BuiltFixture("small.ico")));
    EXPECT_EQ(IconCountOfFile((dir / "icon.dll").string()), 1);
    EXPECT_EQ(IconCountOfFile(BuiltFixture("small.ico").string()), 1);
}

}  // namespace
}  // namespace zorvane

// zorvane-cli hues: the all-hue series as files, checked against single-image saves.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::BuiltFixture;
using test::ReadFile;
using test::RunCli;
using test::TempDir;

TEST(HuesVerb, FileKIsTheImageSavedWithHueStepTimesK) {
    TempDir dir;
    const std::string module = BuiltFixture("numbered.dll").string();
    const auto result = RunCli({"hues", module, "0", "4", dir.path().string(), "--format", "bmp", "--count", "5",
                                "--hue", "-90", "--sat", "20", "--turn", "r90,h"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (int k = 0; k < 5; ++k) {
        const fs::path file = dir / ("numbered-0-4-" + std::to_string(k) + ".bmp");
        EXPECT_NE(result.out.find(file.string()), std::string::npos) << result.out;
        const fs::path single = dir / ("single-" + std::to_string(k) + ".bmp");
        ASSERT_EQ(RunCli({"image", module, "0", "4", single.string(), "--hue", std::to_string(-90 + 72 * k), "--sat",
                          "20", "--turn", "r90,h"})
                      .exitCode,
                  0);
        EXPECT_EQ(ReadFile(file), ReadFile(single)) << k;
    }
    EXPECT_FALSE(fs::exists(dir / "numbered-0-4-5.bmp"));
}

TEST(HuesVerb, StepAloneSetsTheCountAndEveryFormatNamesItsFiles) {
    TempDir dir;
    const std::string module = BuiltFixture("numbered.dll").string();
    for (const char* format : {"icon", "single", "png", "gif"}) {
        const auto result = RunCli(
            {"hues", module, "0", "1", dir.path().string(), "--format", format, "--step", "120"});
        ASSERT_EQ(result.exitCode, 0) << format << result.err;
    }
    for (const char* name : {"numbered-0-1-2.ico", "numbered-0-1-2.png", "numbered-0-1-2.gif"})
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_FALSE(fs::exists(dir / "numbered-0-1-3.png"));
}

TEST(HuesVerb, BadArgumentsAndMissingFolder) {
    TempDir dir;
    const std::string module = BuiltFixture("numbered.dll").string();
    const std::string out = dir.path().string();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"hues", module, "0", "0", out},
          {"hues", module, "0", "0", out, "--format", "jpg"},
          {"hues", module, "0", "0", out, "--format", "png", "--step", "9"},
          {"hues", module, "0", "0", out, "--format", "png", "--count", "37"},
          {"hues", module, "0", "0", out, "--format", "png", "--step", "45", "--count", "9"},
          {"hues", module, "0", "0", out, "--format", "png", "--step", "20", "--count", "36"},
          {"hues", module, "0", "0", "--format", "png", "--step"}})
        EXPECT_EQ(RunCli(args).exitCode, 2) << args.back();
    const std::string missing = (dir / "missing").string();
    const auto result = RunCli({"hues", module, "0", "0", missing, "--format", "png"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(missing), std::string::npos) << result.err;
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace zorvane

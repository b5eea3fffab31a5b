// Group extraction checked against an independent resource extractor on every fixture.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/byte_reader.h"
#include "platform/pe_module.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::RunCli;
using test::ShellQuote;

const char* const kModules[] = {"numbered.dll", "named.exe", "mixed.dll", "lang.dll", "pe32.dll", "pe32.exe"};

// Where the last image that the icon directory names ends.
std::uint64_t EndOfImages(const std::vector<std::uint8_t>& ico) {
    const ByteReader r(ico);
    std::uint64_t end = 6 + 16ull * r.u16le(4);
    for (std::uint64_t i = 0; i < r.u16le(4); ++i)
        end = std::max<std::uint64_t>(end, std::uint64_t{r.u32le(6 + 16 * i + 12)} + r.u32le(6 + 16 * i + 8));
    return end;
}

// The reference's icon file for one group in one language ("+" marks a string name).
std::vector<std::uint8_t> Reference(const std::string& module, const ResourceName& name, std::uint16_t language) {
    const std::string id = name.named ? "+" + name.ToUtf8() : "-" + name.ToUtf8();
    const auto r = test::RunCommand("wrestool -x -t 14 " + ShellQuote("--name=" + id) +
                                    " --language=" + std::to_string(language) + " " + ShellQuote(module));
    return {r.out.begin(), r.out.end()};
}

TEST(GroupVerb, MatchesTheReferenceExtractorOnEveryFixtureGroup) {
    if (!test::HaveProgram("wrestool")) GTEST_SKIP() << "wrestool is not installed";
    test::TempDir dir;
    int compared = 0;
    for (const char* fixture : kModules) {
        const std::string module = BuiltFixture(fixture).string();
        const auto m = PeModule::Open(module);
        ASSERT_TRUE(m) << fixture;
        const auto names = m->Names(kResourceTypeGroupIcon);
        for (std::size_t g = 0; g < names.size(); ++g) {
            const auto ours = dir / "ours.ico";
            ASSERT_EQ(RunCli({"group", module, std::to_string(g), ours.string()}).exitCode, 0) << fixture << g;
            const auto bytes = test::ReadFile(ours);
            const auto reference = Reference(module, names[g], m->Find(kResourceTypeGroupIcon, names[g])->language);
            // The reference looks for images in the group's language only; an English group
            // whose image exists only in the neutral language gives it nothing.
            if (std::string(fixture) == "lang.dll" && names[g] == ResourceName::Id(6)) {
                EXPECT_TRUE(reference.empty());
                continue;
            }
            // It appends bytes of its own after the last image: those are not compared.
            ASSERT_EQ(bytes.size(), EndOfImages(bytes)) << fixture << " " << g;
            ASSERT_GE(reference.size(), bytes.size()) << fixture << " " << g;
            EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), reference.begin())) << fixture << " " << g;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 17);
}

// Both tools over a whole module of 160 groups: every file the same up to its last image.
TEST(GroupVerb, AllMatchesTheReferenceOnEveryGroupOfALargeModule) {
    if (!test::HaveProgram("wrestool")) GTEST_SKIP() << "wrestool is not installed";
    test::TempDir dir;
    const std::string module = BuiltFixture("many.dll").string();
    ASSERT_EQ(RunCli({"group", module, "all", (dir / "ours").string()}).exitCode, 0);
    std::filesystem::create_directory(dir / "reference");
    test::RunCommand("wrestool -x -t 14 " + ShellQuote(module) + " -o " + ShellQuote((dir / "reference").string()));
    for (int g = 0; g < 160; ++g) {
        const auto ours = test::ReadFile(dir / "ours" / ("many-" + std::to_string(g) + ".ico"));
        const auto reference = test::ReadFile(dir / "reference" / ("many.dll_14_" + std::to_string(g + 1) + ".ico"));
        ASSERT_EQ(ours.size(), EndOfImages(ours)) << g;
        ASSERT_GE(reference.size(), ours.size()) << g;
        EXPECT_TRUE(std::equal(ours.begin(), ours.end(), reference.begin())) << g;
    }
}

TEST(GroupVerb, AllWritesEveryGroupUnderTheFileBaseName) {
    test::TempDir dir;
    const auto folder = dir / "out";
    const auto r = RunCli({"group", BuiltFixture("mixed.dll").string(), "all", folder.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(folder)) files.push_back(e.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"mixed-0.ico", "mixed-1.ico", "mixed-2.ico"}));
    EXPECT_EQ(test::ReadFile(folder / "mixed-0.ico"), test::ReadFile(BuiltFixture("depths.ico")));
    EXPECT_EQ(test::ReadFile(folder / "mixed-2.ico"), test::ReadFile(BuiltFixture("small.ico")));

    ASSERT_EQ(RunCli({"group", BuiltFixture("png256.ico").string(), "all", folder.string()}).exitCode, 0);
    EXPECT_EQ(test::ReadFile(folder / "png256-0.ico"), test::ReadFile(BuiltFixture("png256.ico")));
}

}  // namespace
}  // namespace zorvane

// Group extraction checked against an independent resource extractor on every fixture.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/byte_reader.h"
#include "platform/pe_module.h"
#include "support/ne_builder.h"
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

// The reference's icon file for one group, in one language when given ("+" marks a string name).
std::vector<std::uint8_t> Reference(const std::string& module, const ResourceName& name,
                                    std::optional<std::uint16_t> language) {
    const std::string id = name.named ? "+" + name.ToUtf8() : "-" + name.ToUtf8();
    const std::string lang = language ? " --language=" + std::to_string(*language) : "";
    const auto r = test::RunCommand("wrestool -x -t 14 " + ShellQuote("--name=" + id) + lang + " " +
                                    ShellQuote(module));
    return {r.out.begin(), r.out.end()};
}

// Our group file equals the reference's up to its last image.
void ExpectSameUpToTheLastImage(const std::vector<std::uint8_t>& ours, const std::vector<std::uint8_t>& reference,
                                const std::string& what) {
    ASSERT_EQ(ours.size(), EndOfImages(ours)) << what;
    ASSERT_GE(reference.size(), ours.size()) << what;
    EXPECT_TRUE(std::equal(ours.begin(), ours.end(), reference.begin())) << what;
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
            ExpectSameUpToTheLastImage(bytes, reference, fixture + (" " + std::to_string(g)));
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
        ExpectSameUpToTheLastImage(ours, reference, std::to_string(g));
    }
}

// The 16-bit modules have no toolchain: the test code lays them out, the reference reads them.
TEST(GroupVerb, MatchesTheReferenceExtractorOnEveryNeFixtureGroup) {
    if (!test::HaveProgram("wrestool")) GTEST_SKIP() << "wrestool is not installed";
    test::TempDir dir;
    int compared = 0;
    for (const auto& fixture : test::NeFixtures()) {
        const auto module = dir / fixture.fileName;
        test::WriteFile(module, fixture.module.bytes);
        for (std::size_t g = 0; g < fixture.groups.size(); ++g) {
            const auto ours = dir / "ours.ico";
            ASSERT_EQ(RunCli({"group", module.string(), std::to_string(g), ours.string()}).exitCode, 0)
                << fixture.fileName << g;
            const std::string text = fixture.groups[g];
            const bool numbered = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
            const ResourceName name = numbered ? ResourceName::Id(static_cast<std::uint32_t>(std::stoul(text)))
                                               : ResourceName::Named(std::u16string(text.begin(), text.end()));
            ExpectSameUpToTheLastImage(test::ReadFile(ours), Reference(module.string(), name, std::nullopt),
                                       fixture.fileName + (" " + text));
            ++compared;
        }
    }
    EXPECT_EQ(compared, 8);
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

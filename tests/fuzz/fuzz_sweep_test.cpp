// Every harness over its seeds, over bit-flipped and truncated copies of each seed, and over
// the regression corpus of inputs that once crashed, hung or leaked.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/byte_reader.h"
#include "support/icon_builder.h"
#include "support/ne_builder.h"
#include "support/shell_link_builder.h"
#include "support/test_support.h"
#include "targets/fuzz_targets.h"

namespace zorvane::fuzz {
namespace {

namespace fs = std::filesystem;
using Input = std::vector<std::uint8_t>;

Input Text(const std::string& s) { return Input(s.begin(), s.end()); }

std::vector<Input> FilesIn(const fs::path& dir) {
    std::vector<Input> files;
    if (!fs::is_directory(dir)) return files;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file()) files.push_back(test::ReadFile(e.path()));
    return files;
}

// A bitmap file made of an icon image: file header, then the image with its height halved.
Input BitmapFileOf(const test::TestImage& spec) {
    Input image = test::MakeIconImage(spec);
    image[8] = static_cast<std::uint8_t>(spec.height);
    image[9] = static_cast<std::uint8_t>(spec.height >> 8);
    const std::uint32_t offset = 54 + (spec.bitCount <= 8 ? 4u << spec.bitCount : 0u);
    const std::uint32_t size = static_cast<std::uint32_t>(image.size()) + 14;
    Input file = {'B', 'M'};
    for (std::uint32_t v : {size, 0u, offset})
        for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

// The PNG image stored inside an icon file's first entry.
Input PngOf(const Input& iconFile) {
    const ByteReader r(iconFile);
    const std::size_t size = r.u32le(14);
    const std::size_t offset = r.u32le(18);
    return Input(iconFile.begin() + static_cast<std::ptrdiff_t>(offset),
                 iconFile.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

std::vector<Input> GeneratedSeeds(std::string_view target) {
    std::vector<Input> seeds;
    if (target == "pe_resources") {
        for (const char* name : {"numbered.dll", "pe32.dll"}) seeds.push_back(test::ReadFile(test::BuiltFixture(name)));
    } else if (target == "ne_resources") {
        for (const auto& fixture : test::NeFixtures()) seeds.push_back(fixture.module.bytes);
    } else if (target == "icon_stream") {
        seeds.push_back(test::MakeIconFile({{8, 8, 1, 1}, {8, 8, 4, 2}, {8, 8, 8, 3}}));
        seeds.push_back(test::MakeIconFile({{8, 6, 24, 4}, {6, 6, 32, 5}}));
        seeds.push_back(test::ReadFile(test::BuiltFixture("png256.ico")));
    } else if (target == "thumbnail") {
        for (const char* name : {"pe32.exe", "many.ico"}) seeds.push_back(test::ReadFile(test::BuiltFixture(name)));
    } else if (target == "png") {
        seeds.push_back(PngOf(test::ReadFile(test::BuiltFixture("png256.ico"))));
    } else if (target == "dib") {
        for (int bits : {1, 4, 8, 24, 32}) seeds.push_back(BitmapFileOf({5, 4, bits, 7}));
    } else if (target == "ini_file") {
        seeds.push_back(
            Text("[RECENT]\r\n0=/a/b.dll\r\n[WINDOW]\nMAXIMIZE=1\nLEFT=$10\n"
                 "[SET]\nBACKCOLOR=$00C0DCC1\n[MAKEALLDLG]\nCOUNT=0x8\n"));
    } else if (target == "module_list") {
        seeds.push_back(Text("shell32.dll,300\r\nnotepad.exe,2\rx\nnocomma\n\n"));
    } else if (target == "shell_link") {
        test::ShellLinkSpec split, wide, relative;
        split.localBasePath = "C:\\Windows\\";
        split.commonPathSuffix = "a.dll";
        wide.localBasePath = "C:\\x.dll";
        wide.unicodeLinkInfo = true;
        relative.relativePath = "..\\y.exe";
        for (const auto& spec : {split, wide, relative}) seeds.push_back(test::MakeShellLink(spec));
    }
    for (Input& s : FilesIn(fs::path(ZORVANE_FUZZ_DIR) / "seeds" / std::string(target))) seeds.push_back(std::move(s));
    return seeds;
}

// One bit flipped in each byte of the first kilobyte, where headers and directories lie,
// then in 256 bytes spread over the rest.
void BitFlipSweep(const Target& t, const Input& seed) {
    const std::size_t step = std::max<std::size_t>(1, seed.size() / 256);
    for (std::size_t i = 0; i < seed.size(); i += (i < 1024 ? 1 : step)) {
        Input m = seed;
        m[i] ^= static_cast<std::uint8_t>(1u << (i % 8));
        t.run(m);
    }
}

// Every length up to 300 bytes, then 64 lengths spread over the rest.
void TruncationSweep(const Target& t, const Input& seed) {
    const std::size_t step = std::max<std::size_t>(1, seed.size() / 64);
    for (std::size_t n = 0; n < seed.size(); n += (n < 300 ? 1 : step))
        t.run(std::span<const std::uint8_t>(seed).first(n));
}

class Harness : public ::testing::TestWithParam<Target> {};

TEST_P(Harness, SeedsMutationsAndTruncationsAreHandled) {
    const Target& t = GetParam();
    const auto seeds = GeneratedSeeds(t.name);
    ASSERT_FALSE(seeds.empty());
    for (const Input& seed : seeds) {
        t.run(seed);
        BitFlipSweep(t, seed);
        TruncationSweep(t, seed);
    }
}

// The outcome each saved input must come to, from fuzz/regressions/outcomes.txt, by
// "harness/input".
std::map<std::string, Outcome> RecordedOutcomes() {
    std::map<std::string, Outcome> outcomes;
    std::ifstream in(fs::path(ZORVANE_FUZZ_DIR) / "regressions" / "outcomes.txt");
    std::string input, outcome;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        if (line.empty() || line[0] == '#' || !(words >> input >> outcome)) continue;
        outcomes[input] = outcome == "refused" ? Outcome::Refused : Outcome::Accepted;
    }
    return outcomes;
}

// Every input of the corpus once crashed, hung or leaked; each must still come to its
// recorded outcome (most are refused with the program's own error), not just pass without
// escaping.
TEST_P(Harness, RegressionCorpusComesToItsRecordedOutcome) {
    const Target& t = GetParam();
    const fs::path dir = fs::path(ZORVANE_FUZZ_DIR) / "regressions" / std::string(t.name);
    if (!fs::is_directory(dir)) GTEST_SKIP() << "no regressions recorded";
    const auto outcomes = RecordedOutcomes();
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string input = std::string(t.name) + "/" + e.path().filename().string();
        const auto recorded = outcomes.find(input);
        ASSERT_NE(recorded, outcomes.end()) << input << " has no line in fuzz/regressions/outcomes.txt";
        EXPECT_EQ(t.run(test::ReadFile(e.path())), recorded->second) << input;
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Harness, ::testing::ValuesIn(AllTargets().begin(), AllTargets().end()),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace zorvane::fuzz

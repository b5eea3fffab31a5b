// zorvane-cli save and image on the fixture modules and icon files.

#include <gtest/gtest.h>

#include <regex>

#include <sstream>

#include "platform/byte_reader.h"
#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::ReadFile;
using test::RunCli;
using test::RunCommand;
using test::ShellQuote;
using test::TempDir;

std::string Fixture(const char* name) { return BuiltFixture(name).string(); }

// Runs the CLI and expects success; returns the bytes written to out.
std::vector<std::uint8_t> Written(std::vector<std::string> args, const std::string& out) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return ReadFile(out);
}

std::vector<std::uint8_t> SaveGroup(const TempDir& dir, const std::string& file, const std::string& group,
                                    std::vector<std::string> edit) {
    static int n = 0;
    const std::string out = (dir / ("g" + std::to_string(n++) + ".ico")).string();
    std::vector<std::string> args = {"save", file, group, out};
    args.insert(args.end(), edit.begin(), edit.end());
    return Written(args, out);
}

TEST(CliSave, EditOptionsComposeAsTheEditCommandsDo) {
    TempDir dir;
    const std::string dll = Fixture("numbered.dll");
    const auto plain = SaveGroup(dir, dll, "0", {});
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(ByteReader(plain).u16le(4), 6);  // depths.ico: six images
    EXPECT_EQ(SaveGroup(dir, dll, "0", {"--turn", "r90,r270"}), plain);
    EXPECT_EQ(SaveGroup(dir, dll, "0", {"--turn", "h", "--turn", "h"}), plain);
    EXPECT_EQ(SaveGroup(dir, dll, "0", {"--turn", "r180,reset"}), plain);
    const auto turned = SaveGroup(dir, dll, "0", {"--turn", "r90,h"});
    EXPECT_NE(turned, plain);
    EXPECT_EQ(turned.size(), plain.size());
    EXPECT_EQ(SaveGroup(dir, dll, "0", {"--turn", "r270,v"}), turned);
    EXPECT_EQ(SaveGroup(dir, dll, "0", {"--hue", "900", "--sat", "5"}),
              SaveGroup(dir, dll, "0", {"--sat", "5", "--hue", "180"}));
}

TEST(CliSave, TheWrittenGroupListsLikeTheSource) {
    TempDir dir;
    const std::string out = (dir / "mixed.ico").string();
    Written({"save", Fixture("mixed.dll"), "0", out, "--hue", "40", "--turn", "r90"}, out);
    const auto source = RunCli({"list", Fixture("mixed.dll"), "0"});
    const auto saved = RunCli({"list", out});
    ASSERT_EQ(source.exitCode, 0);
    // The same images; the saved file is an icon file, so it has no group name or language.
    EXPECT_EQ(std::regex_replace(saved.out, std::regex(" - -\n"), "\n"),
              std::regex_replace(source.out, std::regex(" MAINICON 1033\n"), "\n"));
    if (test::HaveProgram("icotool")) {
        const auto independent = RunCommand("icotool -l " + ShellQuote(out));
        EXPECT_EQ(independent.exitCode, 0) << independent.err;
        EXPECT_EQ(std::count(independent.out.begin(), independent.out.end(), '\n'), 6);
    }
}

TEST(CliImage, SingleIconHasOneImageAtOffset22) {
    TempDir dir;
    const std::string out = (dir / "one.ICO").string();
    const auto bytes = Written({"image", Fixture("depths.ico"), "0", "3", out, "--turn", "r180"}, out);
    const ByteReader r(bytes);
    EXPECT_EQ(r.u16le(4), 1);
    EXPECT_EQ(r.u32le(18), 22u);
    EXPECT_EQ(bytes.size(), 22u + 2216u);  // 32 x 32 at 8 bits
}

// Pillow's view of a bitmap file: width, height and the RGB bytes in hex, top row first;
// transpose names a turn to apply first.
std::string PillowPixels(const std::string& python, const std::string& path, const std::string& transpose = "") {
    const std::string turn = transpose.empty() ? "" : ".transpose(Image." + transpose + ")";
    const auto r = RunCommand(python + " -c 'import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1])" + turn +
                              "\nprint(im.size, im.convert(\"RGB\").tobytes().hex())' " + ShellQuote(path));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out;
}

TEST(CliImage, BitmapFilesOpenInAnIndependentReaderAtEveryDepth) {
    const std::string python = test::PythonWithPillow();
    if (python.empty()) GTEST_SKIP() << "python3-pil is not installed";
    TempDir dir;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const std::string plain = (dir / ("p" + std::to_string(i) + ".bmp")).string();
        const std::string turned = (dir / ("t" + std::to_string(i) + ".bmp")).string();
        Written({"image", Fixture("named.exe"), "0", std::to_string(i), plain, "--hue", "-60"}, plain);
        Written({"image", Fixture("named.exe"), "0", std::to_string(i), turned, "--hue", "-60", "--turn", "r90"},
                turned);
        // A clockwise quarter turn is the reader's 270-degree transpose.
        EXPECT_EQ(PillowPixels(python, turned), PillowPixels(python, plain, "ROTATE_270"));
    }
}

TEST(CliImage, FailuresAreReportedWithTheSystemsTexts) {
    TempDir dir;
    const std::string bmp = (dir / "x.bmp").string();
    auto sixteen = test::MakeIconImage({16, 16, 8, 1});
    sixteen[14] = 16;
    test::WriteFile(dir / "sixteen.ico", test::MakeIconFileFromRaw({{16, 16, 16, sixteen}}));
    const auto refused = RunCli({"image", (dir / "sixteen.ico").string(), "0", "0", bmp});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("16ビットの形式には対応していません。"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("ビットマップの作成に失敗しました。"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(bmp));

    const std::string dll = Fixture("numbered.dll");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"image", dll, "0", "0", (dir / "x.tiff").string()},
             {"image", dll, "0", "0", bmp, "--turn", "r45"},
             {"image", dll, "0", "0", bmp, "--hue"},
             {"image", dll, "0", "0", bmp, "--bogus"},
             {"save", dll, "0"},
             {"save", dll, "#x", (dir / "y.ico").string()},
         }) {
        EXPECT_EQ(RunCli(args).exitCode, 2) << args[0] << " " << args.back();
    }
    const auto missing = RunCli({"save", (dir / "none.dll").string(), "0", (dir / "y.ico").string()});
    EXPECT_EQ(missing.exitCode, 1);
    const auto noFolder = RunCli({"save", dll, "0", (dir / "no" / "y.ico").string()});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_NE(noFolder.err.find("y.ico"), std::string::npos);
}

}  // namespace
}  // namespace zorvane

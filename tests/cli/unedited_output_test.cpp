// zorvane-cli outputs that were asked for no change: with no offset and no turn, a saved
// group or image is the group as extracted, byte for byte; an image our PNG reader cannot
// decode is copied as it is instead of failing the whole file.

#include <gtest/gtest.h>

#include "platform/byte_reader.h"
#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::ReadFile;
using test::RunCli;
using test::TempDir;

std::vector<std::uint8_t> Output(const std::vector<std::string>& args, const std::string& out) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.exitCode, 0) << args[0] << " " << args[1] << " " << args[2] << ": " << r.err;
    return ReadFile(out);
}

// Image i of an icon file as it stands in the file.
std::vector<std::uint8_t> ImageBytes(const std::vector<std::uint8_t>& ico, std::uint64_t i) {
    const ByteReader r(ico);
    const auto bytes = r.bytes(r.u32le(6 + 16 * i + 12), r.u32le(6 + 16 * i + 8));
    return {bytes.begin(), bytes.end()};
}

TEST(CliUnedited, SavesWithoutOffsetsOrTurnsAreTheExtractedGroupByteForByte) {
    TempDir dir;
    const std::string extracted = (dir / "g.ico").string(), saved = (dir / "s.ico").string(),
                      single = (dir / "i.ico").string();
    // Every depth, PNG entries and a 256-pixel image among them.
    for (const char* fixture : {"numbered.dll", "named.exe", "mixed.dll", "depths.ico", "png256.ico"}) {
        const std::string file = BuiltFixture(fixture).string();
        const int groups = std::stoi(RunCli({"count", file}).out);
        for (int g = 0; g < groups; ++g) {
            SCOPED_TRACE(std::string(fixture) + " group " + std::to_string(g));
            const std::string G = std::to_string(g);
            const auto group = Output({"group", file, G, extracted}, extracted);
            EXPECT_EQ(Output({"save", file, G, saved}, saved), group);
            EXPECT_EQ(Output({"save", file, G, saved, "--turn", "r90,r270", "--hue", "0"}, saved), group);
            const int images = ByteReader(group).u16le(4);
            for (int i = 0; i < images; ++i)
                EXPECT_EQ(ImageBytes(Output({"image", file, G, std::to_string(i), single}, single), 0),
                          ImageBytes(group, static_cast<std::uint64_t>(i)))
                    << "image " << i;
        }
    }
    // The first file of a series that starts at hue 0 is the group too; the others turn.
    const std::string file = BuiltFixture("numbered.dll").string();
    ASSERT_EQ(RunCli({"hues", file, "0", "2", dir.path().string(), "--format", "icon", "--step", "180"}).exitCode, 0);
    const auto group = Output({"group", file, "0", extracted}, extracted);
    EXPECT_EQ(ReadFile(dir / "numbered-0-2-0.ico"), group);
    EXPECT_NE(ReadFile(dir / "numbered-0-2-1.ico"), group);
}

TEST(CliUnedited, AnImageThePngReaderRefusesIsCopiedAndTheRestSavedAsUsual) {
    TempDir dir;
    // A PNG entry whose header names a colour type PNG does not have.
    const auto png256 = ReadFile(BuiltFixture("png256.ico"));
    auto damaged = ImageBytes(png256, 0);
    damaged[25] = 5;
    const auto bmp = test::MakeIconImage({32, 32, 8, 4});
    test::WriteFile(dir / "damaged.ico", test::MakeIconFileFromRaw({{32, 32, 8, bmp}, {256, 256, 32, damaged}}));
    const std::string file = (dir / "damaged.ico").string(), out = (dir / "out.ico").string();

    const auto saved = Output({"save", file, "0", out, "--hue", "40", "--turn", "r180"}, out);
    ASSERT_EQ(ByteReader(saved).u16le(4), 2);
    EXPECT_EQ(ImageBytes(saved, 1), damaged);
    EXPECT_NE(ImageBytes(saved, 0), bmp) << "the other image is edited as usual";
    EXPECT_EQ(ImageBytes(Output({"image", file, "0", "1", out, "--hue", "40"}, out), 0), damaged);
    // The hue series saves through the same code, group and single image alike.
    for (const char* format : {"icon", "single"}) {
        TempDir series;
        ASSERT_EQ(
            RunCli({"hues", file, "0", "1", series.path().string(), "--format", format, "--step", "180"}).exitCode, 0);
        const auto second = ReadFile(series / "damaged-0-1-1.ico");
        EXPECT_EQ(ImageBytes(second, std::string(format) == "icon" ? 1 : 0), damaged) << format;
    }

    // A picture of it cannot be made: that stays an error of its own.
    const auto picture = RunCli({"image", file, "0", "1", (dir / "x.png").string(), "--hue", "40"});
    EXPECT_EQ(picture.exitCode, 1);
}

TEST(CliUnedited, AnImagePastTheGroupIsADataErrorOfOneLine) {
    TempDir dir;
    const std::string dll = BuiltFixture("numbered.dll").string();
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"image", dll, "0", "6", (dir / "x.bmp").string()},
             {"image", dll, "0", "-1", (dir / "x.ico").string()},
             {"hues", dll, "0", "99", dir.path().string(), "--format", "png"},
         }) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.exitCode, 1) << args[0] << " " << args[3];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find("group 0 has no image " + args[3]), std::string::npos) << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace zorvane

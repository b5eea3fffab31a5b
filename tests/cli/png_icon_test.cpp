// zorvane-cli on icons with PNG-compressed 256-pixel images: ours (fixtures) and Pillow's.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/byte_reader.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::ReadFile;
using test::RunCli;
using test::RunCommand;
using test::ShellQuote;
using test::TempDir;

void ExpectCli(const std::vector<std::string>& args) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.exitCode, 0) << args[0] << " " << args.back() << ": " << r.err;
}

// An icon file as written: images back to back behind the directory, together exactly the file.
void ExpectBackToBack(const std::vector<std::uint8_t>& file) {
    const ByteReader r(file);
    const int count = r.u16le(4);
    std::uint64_t offset = 6 + 16 * static_cast<std::uint64_t>(count);
    for (std::uint64_t i = 0; i < static_cast<std::uint64_t>(count); ++i) {
        EXPECT_EQ(r.u32le(6 + 16 * i + 12), offset) << i;
        offset += r.u32le(6 + 16 * i + 8);
    }
    EXPECT_EQ(offset, file.size());
}

TEST(CliPngIcon, ImagesWithSizeBytesOf0AreListedAs256) {
    TempDir dir;
    // The fixture's PNG image with its directory bit count cleared: filled from the PNG header.
    auto file = ReadFile(BuiltFixture("png256.ico"));
    file[6 + 6] = 0;
    test::WriteFile(dir / "nobits.ico", file);
    const auto list = RunCli({"list", (dir / "nobits.ico").string()});
    EXPECT_EQ(list.out.substr(0, list.out.find('\n')),
              "0 0 256 256 32 " + std::to_string(ByteReader(file).u32le(14)) + " - -");
    const auto module = RunCli({"list", BuiltFixture("numbered.dll").string(), "1"});
    EXPECT_EQ(module.out.substr(0, module.out.find(' ', 8)), "1 0 256 256");
}

// Pillow writes an icon of PNG images with alpha; exports keep that alpha, and saved icons
// hold recoloured PNGs whose pixels are those of the exported image, in Pillow's eyes.
constexpr char kMake[] = R"(import sys
from PIL import Image
im = Image.new('RGBA', (256, 256))
im.putdata([(x, y, (x * y) % 256, (x + 3 * y) % 256) for y in range(256) for x in range(256)])
im.save(sys.argv[1], sizes=[(256, 256), (32, 32)])
)";

constexpr char kCompare[] = R"(import sys
from PIL import Image
source, exported, plain, group, single = sys.argv[1:6]
def ico(path, size):
    im = Image.open(path)
    im.size = (size, size)
    return im.convert('RGBA')
src = ico(source, 256)
png = Image.open(exported)
problems = []
if png.mode != 'RGBA' or 'transparency' in png.info: problems.append('exported mode ' + png.mode)
if [p[3] for p in Image.open(plain).convert('RGBA').getdata()] != [p[3] for p in src.getdata()]:
    problems.append('alpha of the plain export')
for name, path in (('group', group), ('single', single)):
    im = ico(path, 256)
    if im.size != (256, 256): problems.append(name + ' size')
    elif list(im.getdata()) != list(png.convert('RGBA').getdata()): problems.append(name + ' pixels')
if list(png.getdata()) == list(src.getdata()): problems.append('not recoloured')
print(' '.join(problems) or 'ok')
)";

TEST(CliPngIcon, PillowIconsExportWithAlphaAndSaveRecoloured) {
    const std::string python = test::PythonWithPillow();
    if (python.empty()) GTEST_SKIP() << "python3-pil is not installed";
    TempDir dir;
    std::ofstream(dir / "make.py") << kMake;
    std::ofstream(dir / "compare.py") << kCompare;
    const std::string source = (dir / "pillow.ico").string();
    ASSERT_EQ(RunCommand(python + " " + ShellQuote((dir / "make.py").string()) + " " + ShellQuote(source)).exitCode, 0);
    // Pillow stores the smaller image first.
    const auto list = RunCli({"list", source});
    EXPECT_NE(list.out.find("\n0 1 256 256 32 "), std::string::npos) << list.out;

    const std::string exported = (dir / "x.png").string(), plain = (dir / "p.png").string();
    const std::string group = (dir / "g.ico").string(), single = (dir / "s.ico").string();
    for (const std::vector<std::string>& edit : {std::vector<std::string>{"--hue", "120", "--sat", "-30"},
                                                 std::vector<std::string>{"--hue", "-90", "--turn", "r90,h"}}) {
        SCOPED_TRACE(edit.back());
        auto with = [&](std::vector<std::string> args) {
            args.insert(args.end(), edit.begin(), edit.end());
            return args;
        };
        ExpectCli(with({"image", source, "0", "1", exported}));
        ExpectCli({"image", source, "0", "1", plain});
        ExpectCli(with({"save", source, "0", group}));
        ExpectCli(with({"image", source, "0", "1", single}));
        std::string line = python + " " + ShellQuote((dir / "compare.py").string());
        for (const auto& p : {source, exported, plain, group, single}) line += " " + ShellQuote(p);
        const auto r = RunCommand(line);
        EXPECT_EQ(r.out, "ok\n") << r.err;

        for (const auto& ico : {group, single}) {
            ExpectBackToBack(ReadFile(ico));
            const auto listed = RunCommand("icotool -l " + ShellQuote(ico));
            EXPECT_EQ(listed.exitCode, 0) << listed.err;
            EXPECT_NE(listed.out.find("--width=256 --height=256 --bit-depth=32"), std::string::npos) << listed.out;
            const auto extracted = RunCommand("icotool -x -o " + ShellQuote(dir.path().string()) + " " +
                                              ShellQuote(ico));
            EXPECT_EQ(extracted.exitCode, 0) << extracted.err;
            EXPECT_TRUE(extracted.err.empty()) << extracted.err;
        }
    }
}

}  // namespace
}  // namespace zorvane

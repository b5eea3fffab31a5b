// zorvane-thumbnailer as the file managers run it, and the smooth scaler behind it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "bitmap/smooth_downscale.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::BuiltFixture;
using test::RunCommand;
using test::ShellQuote;
using test::TempDir;

test::CommandResult RunThumbnailer(const std::string& arguments) {
    return RunCommand(ShellQuote(ZORVANE_THUMBNAILER_PATH) + " " + arguments);
}

std::string Thumbnail(int size, const fs::path& input, const fs::path& output) {
    return "-s " + std::to_string(size) + " " + ShellQuote(input.string()) + " " + ShellQuote(output.string());
}

// Each output against Pillow's reading of the icon file the module was built from: the image of
// that size (Pillow takes the highest bit count among equal sizes), reduced by covered area in
// premultiplied form when the thumbnail is smaller (blown up by an integer factor to a common
// multiple of both sides, then averaged in integer blocks). Colours count where not faint.
constexpr char kCompare[] = R"(import sys
from math import gcd
from PIL import Image
def by_area(im, want):
    common = im.size[0] * want // gcd(im.size[0], want)
    return im.resize((common, common), Image.NEAREST).reduce(common // want)
args, problems = sys.argv[1:], []
for i in range(0, len(args), 4):
    out, ref, side, want = args[i], args[i + 1], int(args[i + 2]), int(args[i + 3])
    o = Image.open(out)
    if o.format != 'PNG' or o.mode != 'RGBA' or o.size != (want, want):
        problems.append('%s: %s %s %s' % (out, o.format, o.mode, o.size))
        continue
    ico = Image.open(ref)
    ico.size = (side, side)
    r = ico.convert('RGBA')
    if side != want: r = by_area(r.convert('RGBa'), want).convert('RGBA')
    pairs = list(zip(o.getdata(), r.getdata()))
    alpha = max(abs(p[3] - q[3]) for p, q in pairs)
    color = max([abs(p[c] - q[c]) for p, q in pairs if q[3] >= 64 for c in range(3)] or [0])
    if alpha > 1 or color > 4: problems.append('%s: alpha off by %d, colour by %d' % (out, alpha, color))
print(' '.join(problems) or 'ok')
)";

struct Case {
    const char* input;
    const char* reference;  // the icon file of the input's first group
    int size;
    int chosenSide;  // of the image the thumbnail is made from
    int side;        // of the thumbnail
};

// The smallest image at least the size, else the largest, the highest bit count among equals.
constexpr Case kCases[] = {
    {"numbered.dll", "depths.ico", 256, 32, 32}, {"numbered.dll", "depths.ico", 128, 32, 32},
    {"numbered.dll", "depths.ico", 24, 32, 24},  {"numbered.dll", "depths.ico", 16, 16, 16},
    {"pe32.exe", "depths.ico", 48, 32, 32},      {"png256.ico", "png256.ico", 256, 256, 256},
    {"png256.ico", "png256.ico", 128, 256, 128}, {"many.ico", "many.ico", 40, 48, 40},
    {"many.ico", "many.ico", 32, 32, 32},
};

TEST(Thumbnailer, WritesTheBestFittingImageOfTheFirstGroupScaledWithItsAlpha) {
    const std::string python = test::PythonWithPillow();
    if (python.empty()) GTEST_SKIP() << "no Python with Pillow";
    TempDir dir;
    std::string compare = python + " -c " + ShellQuote(kCompare);
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const Case& c = kCases[i];
        // File managers may hand the input over under any name: the content decides.
        const fs::path input = dir / ("input" + std::to_string(i) + ".png");
        const fs::path output = dir / ("thumb" + std::to_string(i) + ".png");
        fs::copy_file(BuiltFixture(c.input), input);
        const auto r = RunThumbnailer(Thumbnail(c.size, input, output));
        EXPECT_EQ(r.exitCode, 0) << c.input << " " << c.size << ": " << r.err;
        compare += " " + ShellQuote(output.string()) + " " + ShellQuote(BuiltFixture(c.reference).string()) + " " +
                   std::to_string(c.chosenSide) + " " + std::to_string(c.side);
    }
    EXPECT_EQ(RunCommand(compare).out, "ok\n");
}

TEST(Thumbnailer, RefusesWhatHoldsNoIconWithOneLineAndNoOutput) {
    TempDir dir;
    test::WriteText(dir / "text.ico", "not an icon\n");
    test::WriteText(dir / "empty.exe", "");
    fs::create_directory(dir / "folder.dll");
    auto cut = test::ReadFile(BuiltFixture("numbered.dll"));
    cut.resize(1024);  // headers, no resource data
    test::WriteFile(dir / "cut.dll", cut);
    ASSERT_EQ(RunThumbnailer(Thumbnail(128, BuiltFixture("png256.ico"), dir / "real.png")).exitCode, 0);
    const fs::path out = dir / "out.png";
    const std::string refused[] = {
        Thumbnail(128, dir / "text.ico", out),
        Thumbnail(128, dir / "empty.exe", out),
        Thumbnail(128, dir / "folder.dll", out),
        Thumbnail(128, dir / "cut.dll", out),
        Thumbnail(128, dir / "real.png", out),
        Thumbnail(128, dir / "missing.ico", out),
        Thumbnail(128, BuiltFixture("lang_group.bin"), out),
        Thumbnail(128, BuiltFixture("depths.ico"), dir / "no folder" / "out.png"),
        "-s 0 " + ShellQuote(BuiltFixture("depths.ico").string()) + " " + ShellQuote(out.string()),
        "-s x " + ShellQuote(BuiltFixture("depths.ico").string()) + " " + ShellQuote(out.string()),
        ShellQuote(BuiltFixture("depths.ico").string()),
    };
    for (const std::string& args : refused) {
        const auto r = RunThumbnailer(args);
        EXPECT_EQ(r.exitCode, 1) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
        EXPECT_FALSE(fs::exists(out)) << args;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 5) << "no stray files";
}

TEST(Thumbnailer, ProgramsPrintTheProjectsVersion) {
    EXPECT_EQ(RunThumbnailer("--version").out, "zorvane-thumbnailer 1.10\n");
    EXPECT_EQ(test::RunCli({"--version"}).out, "zorvane-cli 1.10\n");
}

// Two-pixel rows reduced to one pixel and three to two: shares by covered area, colours by
// alpha, so a transparent neighbour's colour never shows.
TEST(SmoothDownscale, AveragesCoveredAreaWithColoursWeightedByAlpha) {
    struct Row {
        std::vector<std::uint32_t> pixels;  // 0xAARRGGBB
        std::vector<std::uint32_t> expected;
    };
    const Row rows[] = {
        {{0xFFFF0000, 0x0000FF00}, {0x80FF0000}},
        {{0xFF0000FF, 0xFFFF0000}, {0xFF800080}},
        {{0x00FFFFFF, 0x00000000}, {0x00000000}},
        {{0x40FF0000, 0xC00000FF}, {0x804000BF}},
        {{0xFF000000, 0xFFFFFFFF, 0x00000000}, {0xFF555555, 0x55FFFFFF}},
    };
    for (const Row& row : rows) {
        Bitmap source(static_cast<int>(row.pixels.size()), 1, 32);
        for (std::size_t x = 0; x < row.pixels.size(); ++x)
            for (std::size_t c = 0; c < 4; ++c)
                source.row(0)[4 * x + c] = static_cast<std::uint8_t>(row.pixels[x] >> (8 * c));
        const Bitmap out = SmoothDownscale(source, static_cast<int>(row.expected.size()), 1);
        for (std::size_t x = 0; x < row.expected.size(); ++x) {
            std::uint32_t got = 0;
            for (std::size_t c = 0; c < 4; ++c) got |= std::uint32_t{out.row(0)[4 * x + c]} << (8 * c);
            EXPECT_EQ(got, row.expected[x]) << std::hex << row.pixels[0] << " pixel " << x;
        }
    }
}

}  // namespace
}  // namespace zorvane

// zorvane-cli image with .png and .gif outputs, checked by Pillow against the .bmp output.

#include <gtest/gtest.h>

#include <fstream>

#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::RunCli;
using test::RunCommand;
using test::ShellQuote;
using test::TempDir;

// Compares, for one image, the PNG and GIF outputs with the bitmap output: same size, same
// colours (GIFs of deeper images are dithered, so there only the size counts). Transparent
// PNGs hide the bottom-left colour (palette files: its first palette entry only); transparent
// GIFs every pixel of that colour (deeper images: at least the bottom-left pixel itself);
// opaque outputs hide nothing. A 32-bit image whose fourth bytes are neither all 0 nor all 255
// has alpha: both PNGs carry exactly that alpha (read from the bitmap file's own bytes) and
// every colour.
constexpr char kCheck[] = R"(import sys
from PIL import Image
bmp, png, png_opaque, gif, gif_opaque = sys.argv[1:6]
ref = Image.open(bmp).convert('RGB')
key = ref.getpixel((0, ref.height - 1))
palette = Image.open(bmp).mode in ('1', 'P', 'L')
def bmp_alpha():
    data = open(bmp, 'rb').read()
    if int.from_bytes(data[28:30], 'little') != 32: return None
    start, w, h = int.from_bytes(data[10:14], 'little'), ref.width, ref.height
    a = [data[start + 4 * (w * (h - 1 - y) + x) + 3] for y in range(h) for x in range(w)]
    return a if any(a) and not all(v == 255 for v in a) else None
alpha = bmp_alpha()
def png_hidden(p):
    if alpha: return lambda x, y: alpha[y * ref.width + x]
    im = Image.open(p)
    if im.mode != 'P':
        return lambda x, y: ref.getpixel((x, y)) == key
    pal = im.getpalette()
    first = min(i for i in range(len(pal) // 3) if tuple(pal[3 * i:3 * i + 3]) == key)
    return lambda x, y: im.getpixel((x, y)) == first
def check(name, path, exact, hidden):
    im = Image.open(path).convert('RGBA')
    if im.size != ref.size: return name + ' size'
    for y in range(ref.height):
        for x in range(ref.width):
            r, g, b, a = im.getpixel((x, y))
            h = hidden(x, y)
            want = h if type(h) is int else None if h is None else 0 if h else 255
            if want is not None and a != want: return '%s alpha at %d,%d' % (name, x, y)
            if exact and (a == 255 or alpha) and (r, g, b) != ref.getpixel((x, y)): return '%s colour at %d,%d' % (name, x, y)
    return None
full = Image.open(gif).info.get('transparency') is None
bottom_left = lambda x, y: True if (x, y) == (0, ref.height - 1) else None
gif_hidden = (lambda x, y: False) if full else (lambda x, y: ref.getpixel((x, y)) == key) if palette else bottom_left
opaque = (lambda x, y: alpha[y * ref.width + x]) if alpha else (lambda x, y: False)
problems = [check('png', png, True, png_hidden(png)), check('png-opaque', png_opaque, True, opaque),
            check('gif', gif, palette, gif_hidden), check('gif-opaque', gif_opaque, palette, lambda x, y: False)]
print(' '.join(p for p in problems if p) or 'ok')
)";

TEST(CliImage, PngAndGifShowTheImageWithTheBottomLeftColourTransparent) {
    const std::string python = test::PythonWithPillow();
    if (python.empty()) GTEST_SKIP() << "python3-pil is not installed";
    TempDir dir;
    std::ofstream(dir / "check.py") << kCheck;
    const std::string exe = BuiltFixture("named.exe").string();
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        std::vector<std::string> paths;
        for (const char* name : {"i.bmp", "t.png", "o.png", "t.gif", "o.gif"}) {
            paths.push_back((dir / (std::to_string(i) + name)).string());
            std::vector<std::string> args = {"image", exe, "0", std::to_string(i), paths.back(), "--hue", "30"};
            if (name[0] == 'o') args.push_back("--no-transparent");
            const auto r = RunCli(args);
            ASSERT_EQ(r.exitCode, 0) << name << r.err;
        }
        std::string line = python + " " + ShellQuote((dir / "check.py").string());
        for (const auto& p : paths) {
            line += ' ';
            line += ShellQuote(p);
        }
        const auto r = RunCommand(line);
        EXPECT_EQ(r.out, "ok\n") << r.err;
        if (test::HaveProgram("pngcheck")) {
            EXPECT_EQ(RunCommand("pngcheck -q " + ShellQuote(paths[1]) + " " + ShellQuote(paths[2])).exitCode, 0);
        }
    }
}

// The PNG's colour type and whether it names a transparent colour.
std::pair<int, bool> PngKind(const std::vector<std::uint8_t>& png) {
    const std::string text(png.begin(), png.end());
    return {png.at(25), text.find("tRNS") != std::string::npos};
}

TEST(CliImage, OnlyAlphaThatVariesIsWrittenAsAlphaAnOpaqueImageGetsItsTransparentColour) {
    TempDir dir;
    const struct {
        const char* name;
        std::uint8_t (*alpha)(std::size_t pixel);
        int colourType;
    } cases[] = {
        {"opaque", [](std::size_t) -> std::uint8_t { return 255; }, 2},
        {"old-style", [](std::size_t) -> std::uint8_t { return 0; }, 2},
        {"cut out", [](std::size_t p) -> std::uint8_t { return p % 3 ? 255 : 0; }, 6},
        {"translucent", [](std::size_t) -> std::uint8_t { return 128; }, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto image = test::MakeIconImage({16, 16, 32, 2});
        for (std::size_t p = 0; p < 16 * 16; ++p) image[40 + 4 * p + 3] = c.alpha(p);
        const auto ico = dir / "a.ico";
        test::WriteFile(ico, test::MakeIconFileFromRaw({{16, 16, 32, image}}));
        for (const bool transparent : {true, false}) {
            const auto png = dir / "a.png";
            std::vector<std::string> args = {"image", ico.string(), "0", "0", png.string()};
            if (!transparent) args.push_back("--no-transparent");
            ASSERT_EQ(RunCli(args).exitCode, 0);
            EXPECT_EQ(PngKind(test::ReadFile(png)), std::make_pair(c.colourType, transparent && c.colourType == 2))
                << transparent;
        }
    }
}

}  // namespace
}  // namespace zorvane

// zorvane-cli image with .png and .gif outputs, checked by Pillow against the .bmp output.

#include <gtest/gtest.h>

#include <fstream>

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
// opaque outputs hide nothing. A 32-bit image whose fourth bytes are not all 0 has alpha: both
// PNGs carry exactly that alpha (read from the bitmap file's own bytes) and every colour.
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
    return a if any(a) else None
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

}  // namespace
}  // namespace zorvane

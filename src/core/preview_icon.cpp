#include "core/preview_icon.h"

#include <cstdio>
#include <cstring>

#include "core/bitmap_transform.h"

namespace zorvane {
namespace {

void Fill(Bitmap& bitmap32, TColor color) {
    const Rgb c = FromTColor(color);
    const std::uint8_t pixel[4] = {c.blue, c.green, c.red, 255};
    for (int y = 0; y < bitmap32.height(); ++y)
        for (int x = 0; x < bitmap32.width(); ++x) std::memcpy(bitmap32.row(y) + 4 * x, pixel, 4);
}

Bitmap WithPadRow(const Bitmap& image, TColor keyColor) {
    Bitmap out(image.width(), image.height() + 1, 32);
    Fill(out, keyColor);
    std::memcpy(out.pixels().data(), image.pixels().data(), image.pixels().size());
    return out;
}

}  // namespace

std::string ImageInfoLine(int number, int width, int height, int bitCount) {
    char line[96];
    std::snprintf(line, sizeof line, "No.%d : %dpx × %dpx  色数:%dビット", number, width, height, bitCount);
    return line;
}

std::optional<PreviewIcon> CreatePreviewIcon(const TIconStream& stream, int index, std::string& infoLine) {
    const IconDirEntry entry = DirEntry(stream, index);
    infoLine = ImageInfoLine(index + 1, entry.pixelWidth(), entry.pixelHeight(), ListedBitCount(stream, index));
    // A size byte of 0 stands for 256 pixels; the preview shows such images at that size.
    PreviewIcon icon;
    icon.width = entry.pixelWidth();
    icon.height = entry.pixelHeight();
    icon.bitmaps = CreateIconBitmaps(ReadIconImage(stream, index), icon.width, icon.height);
    if (icon.bitmaps.color.empty()) return std::nullopt;
    return icon;
}

Bitmap BuildPreviewBitmap(const PreviewIcon& icon, const TransformState& state, TColor keyColor) {
    Bitmap image(icon.width, icon.height, 32);
    Fill(image, keyColor);
    DrawIcon(image, icon.bitmaps, 0, 0);
    return WithPadRow(state.active() ? ApplyTransform(image, state) : image, keyColor);
}

void MarkTransparentColor(Bitmap& bitmap32) {
    if (bitmap32.empty()) return;
    const Rgb key = FromTColor(bitmap32.transparentColor());
    for (int y = 0; y < bitmap32.height(); ++y) {
        std::uint8_t* p = bitmap32.row(y);
        for (int x = 0; x < bitmap32.width(); ++x, p += 4)
            p[3] = (p[0] == key.blue && p[1] == key.green && p[2] == key.red) ? 0 : 255;
    }
}

}  // namespace zorvane

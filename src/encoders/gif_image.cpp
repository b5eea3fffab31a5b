#include "encoders/gif_image.h"

#include <algorithm>
#include <string_view>

#include "encoders/gif_lzw.h"
#include "encoders/reduce_to_palette.h"

namespace zorvane {

namespace {

constexpr TColor kWhite = 0xFFFFFF;

void PutU16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// Pixel indices and colours of an indexed bitmap. A palette shorter than the indices in use
// is padded with black, as a display would show the missing entries.
void CopyPixels(const Bitmap& bitmap, TGIFSubImage& image) {
    image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0);
    std::uint8_t highest = 0;
    std::size_t i = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            image.pixels[i] = bitmap.pixelIndex(x, y);
            highest = std::max(highest, image.pixels[i++]);
        }
    std::vector<Rgb> colors = bitmap.palette();
    if (colors.size() > 256) colors.resize(256);
    if (colors.size() <= highest) colors.resize(static_cast<std::size_t>(highest) + 1, Rgb{});
    image.colorMap.Assign(std::move(colors));
}

std::vector<bool> TransparencyMask(const Bitmap& bitmap) {
    // The bitmap's transparent colour defaults to its bottom-left pixel; 1-bit images use white.
    const TColor key = bitmap.bitsPerPixel() == 1 ? kWhite : bitmap.transparentColor();
    std::vector<bool> mask;
    mask.reserve(static_cast<std::size_t>(bitmap.width()) * static_cast<std::size_t>(bitmap.height()));
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) mask.push_back(ToTColor(bitmap.pixelColor(x, y)) == key);
    return mask;
}

void AddTransparency(const Bitmap& bitmap, TGIFSubImage& image) {
    const std::vector<bool> mask = TransparencyMask(bitmap);
    image.colorMap.Optimize(image.pixels);
    const int n = image.colorMap.count();
    if (n == 0 || n == 256) return;
    image.colorMap.Add(Rgb{});
    bool marked = false;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (!mask[i]) continue;
        image.pixels[i] = static_cast<std::uint8_t>(n);
        marked = true;
    }
    if (!marked) {
        image.colorMap.RemoveLast();
        return;
    }
    image.graphicControl = TGIFGraphicControlExtension{1, 0, static_cast<std::uint8_t>(n)};
    image.transparent = true;
}

void WriteColorTable(const TGIFColorMap& map, std::vector<std::uint8_t>& out) {
    for (const Rgb& c : map.colors()) out.insert(out.end(), {c.red, c.green, c.blue});
    const std::size_t entries = std::size_t{1} << map.BitsPerPixel();
    out.resize(out.size() + 3 * (entries - map.colors().size()), 0);
}

}  // namespace

void TGIFImage::Assign(const Bitmap& source) {
    image_.reset();
    if (source.empty()) return;
    // A GIF holds each side in 16 bits and the writer one byte per pixel: larger bitmaps
    // are refused rather than written with wrapped sizes or copied into a huge index buffer.
    const std::uint64_t pixels = static_cast<std::uint64_t>(source.width()) *
                                 static_cast<std::uint64_t>(source.height());
    if (source.width() > 0xFFFF || source.height() > 0xFFFF || pixels > kMaxBitmapBytes) throw BitmapTooLarge();
    Bitmap reduced;
    const bool indexed = source.bitsPerPixel() <= 8;
    if (!indexed) {
        reduced = source;
        reduced = ReduceForGif(reduced);
        reduced.setTransparent(source.transparent());
    }
    const Bitmap& bitmap = indexed ? source : reduced;
    TGIFSubImage image;
    image.width = bitmap.width();
    image.height = bitmap.height();
    CopyPixels(bitmap, image);
    if (bitmap.transparent()) AddTransparency(bitmap, image);
    image_ = std::move(image);
}

std::vector<std::uint8_t> TGIFImage::SaveToBytes() const {
    if (!image_) throw EGIFError("Image is empty");
    const TGIFSubImage& image = *image_;
    const TGIFColorMap& map = image.colorMap;
    const int bits = map.BitsPerPixel();
    if (bits == 0) throw EGIFError("Image is empty");
    const bool version89 = map.optimized() || image.graphicControl.has_value();
    const std::string_view signature = version89 ? "GIF89a" : "GIF87a";
    std::vector<std::uint8_t> out(signature.begin(), signature.end());
    PutU16(out, image.width);
    PutU16(out, image.height);
    out.insert(out.end(), {static_cast<std::uint8_t>(((bits - 1) << 4) | (bits - 1)), 0, 0});
    if (const auto& gce = image.graphicControl) {
        out.insert(out.end(), {0x21, 0xF9, 4, gce->packedFlags});
        PutU16(out, gce->delay);
        out.insert(out.end(), {gce->transparentIndex, 0});
    }
    out.insert(out.end(), {0x2C, 0, 0, 0, 0});
    PutU16(out, image.width);
    PutU16(out, image.height);
    out.push_back(static_cast<std::uint8_t>(0x80 | (map.optimized() ? 0x20 : 0) | (bits - 1)));
    WriteColorTable(map, out);
    TLZWEncoder(out, bits, map.count()).Encode(image.pixels);
    out.push_back(0x3B);
    return out;
}

}  // namespace zorvane

#include "encoders/picture_formats.h"

#include <array>
#include <cctype>

#include "encoders/png_to_bgra.h"
#include "encoders/znb_png.h"

namespace zorvane {

namespace {

Bitmap LoadPng(std::span<const std::uint8_t> data) {
    TZNBPNG png;
    png.LoadFromStream(data);
    return PngToBgra32(png);
}

constexpr std::array<PictureFormat, 2> kFormats{{
    {"PNG", "PNG Format", LoadPng},
    {"GIF", "GIF Image", nullptr},
}};

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

const PictureFormat* PictureFormatForExtension(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    for (const PictureFormat& f : kFormats)
        if (SameLetters(f.extension, extension)) return &f;
    return nullptr;
}

}  // namespace zorvane

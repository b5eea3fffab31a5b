#include "thumbnailer/thumbnail.h"

#include <algorithm>
#include <filesystem>

#include "bitmap/smooth_downscale.h"
#include "core/icon_by_index.h"
#include "core/icon_compositor.h"
#include "core/icon_file.h"
#include "encoders/bgra_to_png.h"

namespace zorvane {
namespace {

TIconStream PrimaryGroup(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw ThumbnailError("not a readable file");
    TIconStream stream;
    LoadPrimaryGroup(stream, path);
    if (stream.empty()) throw ThumbnailError("no icon found (not an icon file or a module with icons)");
    return stream;
}

// The image as straight ARGB at the size its directory entry gives.
Bitmap DecodedImage(const TIconStream& stream, int entry) {
    const IconDirEntry e = DirEntry(stream, entry);
    try {
        return IconToArgb(CreateIconBitmaps(ReadIconImage(stream, entry), e.pixelWidth(), e.pixelHeight()));
    } catch (const BitmapTooLarge&) {
        throw ThumbnailError("the icon image is too large");
    } catch (const Refusal&) {
        throw ThumbnailError("the icon image is damaged");
    }
}

// Keeps the aspect ratio; a side never shrinks below one pixel.
Bitmap FitInto(const Bitmap& image, int size) {
    const int side = std::max(image.width(), image.height());
    if (side <= size) return image;
    const auto scaled = [&](int length) { return std::max(1, (length * size + side / 2) / side); };
    return SmoothDownscale(image, scaled(image.width()), scaled(image.height()));
}

}  // namespace

std::vector<std::uint8_t> MakeThumbnailPng(const std::string& path, int size) {
    const TIconStream stream = PrimaryGroup(path);
    const int entry = ThumbnailImage(stream, size);
    if (entry < 0) throw ThumbnailError("no icon image that can be drawn");
    const Bitmap image = DecodedImage(stream, entry);
    if (image.empty()) throw ThumbnailError("no icon image that can be drawn");
    return EncodeRgbaPng(FitInto(image, size));
}

}  // namespace zorvane

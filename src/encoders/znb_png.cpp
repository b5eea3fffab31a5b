#include "encoders/znb_png.h"

#include "encoders/png_read_stream.h"
#include "encoders/png_write_stream.h"

namespace zorvane {

TZNBPNG::TZNBPNG(PngClock clock) : clock_(std::move(clock)) {
    if (clock_) options.StoredTime = clock_();
}

void TZNBPNG::SetAlphaPlane(Bitmap plane) {
    alphaPlane_ = std::move(plane);
    hasAlpha_ = !alphaPlane_.empty();
}

void TZNBPNG::SetTransparentColor(TColor color) {
    options.TransparentColor = color;
    if (image_.empty()) return;
    if (color == kNoColor) {
        image_.setTransparent(false);
    } else if ((static_cast<std::uint32_t>(color) & 0xFF000000u) == kPaletteIndexMark) {
        const std::size_t index = static_cast<std::size_t>(color & 0xFF);
        if (index < image_.palette().size()) image_.setTransparentColor(ToTColor(image_.palette()[index]));
    } else {
        image_.setTransparentColor(color);
    }
}

void TZNBPNG::Assign(const Bitmap& bitmap) { image_ = bitmap; }

void TZNBPNG::Assign(const TZNBPNG& other) {
    if (&other == this) return;
    image_ = other.image_;
    alphaPlane_ = other.alphaPlane_;
    hasAlpha_ = other.hasAlpha_;
    options = other.options;
}

std::vector<std::uint8_t> TZNBPNG::SaveToBytes() const { return EncodeToBytes(image_, &alphaPlane_, options, clock_); }

std::vector<std::uint8_t> TZNBPNG::EncodeToBytes(const Bitmap& image, const Bitmap* alphaPlane,
                                                 const TZNBPNGOptions& options, const PngClock& clock) {
    std::vector<std::uint8_t> bytes;
    TZNBPNGWriteStream writer(bytes, options, image, alphaPlane, clock);
    writer.WriteImage();
    return bytes;
}

void TZNBPNG::LoadFromStream(std::span<const std::uint8_t> data) {
    alphaPlane_ = Bitmap();
    TZNBPNGReadStream reader(data);
    PngReadResult r = reader.Read();
    image_ = std::move(r.image);
    alphaPlane_ = std::move(r.alphaPlane);
    hasAlpha_ = r.hasAlpha;
    const TZNBPNGOptions& read = r.options;
    options.Comment = read.Comment;
    options.BackgroundColor = read.BackgroundColor;
    options.TransparentColor = read.TransparentColor;
    options.Interlaced = read.Interlaced;
    options.Gamma = read.Gamma;
    options.SignificantBits = read.SignificantBits;
    options.PhysicalUnit = read.PhysicalUnit;
    options.PixelsPerUnitX = read.PixelsPerUnitX;
    options.PixelsPerUnitY = read.PixelsPerUnitY;
    options.Grayscale = read.Grayscale;
}

}  // namespace zorvane

#pragma once
// The PNG graphic: one bitmap (plus an optional alpha plane) and the options it is written
// with. Saving encodes into memory first; a file is replaced only by a complete PNG.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bitmap/bitmap.h"
#include "encoders/png_options.h"

namespace zorvane {

class TZNBPNG {
public:
    explicit TZNBPNG(PngClock clock = SystemUtcTime);

    TZNBPNGOptions options;

    const Bitmap& image() const { return image_; }
    // 8 bits per pixel, 255 minus the alpha (0 opaque); filled only by loading a PNG with alpha.
    const Bitmap& alphaPlane() const { return alphaPlane_; }
    bool hasAlpha() const { return hasAlpha_; }
    void SetAlphaPlane(Bitmap plane);

    // Stores the colour; on a non-empty image it also sets or clears the image's transparency.
    void SetTransparentColor(TColor color);
    bool transparent() const { return image_.transparent(); }

    // Copies the bitmap in; the options stay as they are.
    void Assign(const Bitmap& bitmap);
    // Copies image, alpha plane and every option.
    void Assign(const TZNBPNG& other);

    // Raise EZNBPNG.
    std::vector<std::uint8_t> SaveToBytes() const;
    // The same for a bitmap and alpha plane (may be null) held elsewhere, without copying them in.
    static std::vector<std::uint8_t> EncodeToBytes(const Bitmap& image, const Bitmap* alphaPlane,
                                                   const TZNBPNGOptions& options, const PngClock& clock);
    void LoadFromStream(std::span<const std::uint8_t> data);

private:
    PngClock clock_;
    Bitmap image_;
    Bitmap alphaPlane_;
    bool hasAlpha_ = false;
};

}  // namespace zorvane

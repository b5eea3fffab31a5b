#pragma once
// The PNG and GIF files the save commands and the batch write for one decoded image.

#include <cstdint>
#include <vector>

#include "bitmap/bitmap.h"
#include "encoders/png_options.h"

namespace zorvane {

// A 32-bit bitmap whose fourth bytes carry transparency (not all 0, not all 255) is written
// as RGBA with that alpha. Otherwise RGB or palette and, transparent: the bottom-left
// pixel's colour goes into tRNS. Raises EZNBPNG.
std::vector<std::uint8_t> EncodePngForSave(const Bitmap& bitmap, bool transparent,
                                           const PngClock& clock = SystemUtcTime);

// Deeper than 8 bits: reduced to 256 colours with error diffusion first. transparent: the
// transparent colour of the GIF graphic is applied. Raises EGIFError.
std::vector<std::uint8_t> EncodeGifForSave(const Bitmap& bitmap, bool transparent);

}  // namespace zorvane

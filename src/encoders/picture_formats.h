#pragma once
// The picture formats the encoders register, found by file extension; a preview uses it to
// find the reader for a file.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "bitmap/bitmap.h"

namespace zorvane {

struct PictureFormat {
    std::string_view extension;  // upper case, without the dot
    std::string_view description;
    // Reads a file of the format into a 32-bit bitmap with alpha; null for write-only formats.
    Bitmap (*load)(std::span<const std::uint8_t> data);
};

// Case-insensitive; the extension may start with a dot. Null when no format is registered.
const PictureFormat* PictureFormatForExtension(std::string_view extension);

}  // namespace zorvane

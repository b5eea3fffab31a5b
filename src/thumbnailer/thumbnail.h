#pragma once
// The thumbnail of a file for the desktop's file managers: its primary icon as a PNG.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorvane {

// Why no thumbnail could be made, in one line.
class ThumbnailError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int kDefaultThumbnailSize = 256;

// A PNG of at most size x size of the image of the file's first group that best fits size:
// scaled down smoothly when larger, kept as it is when smaller. The format is told by the
// content, never by the name. Raises ThumbnailError.
std::vector<std::uint8_t> MakeThumbnailPng(const std::string& path, int size);

}  // namespace zorvane

#pragma once
// The thumbnail of a file for the desktop's file managers: its primary icon as a PNG.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/refusal.h"

namespace zorvane {

// Why no thumbnail could be made, in one line.
class ThumbnailError : public Refusal {
public:
    using Refusal::Refusal;
};

constexpr int kDefaultThumbnailSize = 256;

// A PNG of at most size x size of the image of the file's first group that best fits size:
// scaled down smoothly when larger, kept as it is when smaller. The format is told by the
// content, never by the name. Raises ThumbnailError.
std::vector<std::uint8_t> MakeThumbnailPng(const std::string& path, int size);

}  // namespace zorvane

#pragma once
// The icon of group i of a file as the grid shows it: the image of the group that best fits
// the large icon size, composited with its mask into ARGB at that size.

#include <string>

#include "bitmap/bitmap.h"
#include "core/icon_stream.h"

namespace zorvane {

constexpr int kLargeIconSize = 32;

// The entry whose size is closest to size x size, then the one with the highest bit count
// (from the image header); only entries the compositor can draw count. -1 when none.
int BestFitImage(const TIconStream& stream, int size = kLargeIconSize);

// The entry a thumbnail of at most size x size is made from: the smallest whose larger side
// is at least size, else the largest; the highest bit count among equal sizes. Only entries
// the compositor can draw count. -1 when none.
int ThumbnailImage(const TIconStream& stream, int size);

// Icon i of the file as a 32-bit ARGB bitmap of size x size; empty when the file has no
// such icon or its image cannot be drawn. Never raises.
Bitmap IconByIndex(const std::string& path, int index, int size = kLargeIconSize);

// The same for a group already in a stream.
Bitmap IconOfGroup(const TIconStream& stream, int size = kLargeIconSize);

}  // namespace zorvane

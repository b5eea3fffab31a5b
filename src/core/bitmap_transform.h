#pragma once
// Quarter and half turns and mirrorings of a bitmap at any depth; pixel format and palette
// are kept, and 32-bit pixels move with their fourth byte.

#include <cstdint>

#include "bitmap/bitmap.h"
#include "core/transform_state.h"

namespace zorvane {

struct SourcePoint {
    int x = 0;
    int y = 0;
};

// What a point mapping needs to know about the source.
struct MappingParams {
    int sourceWidth = 0;
    int sourceHeight = 0;
    int mode = 0;
};

// Maps a destination pixel to the source pixel it takes.
using PointMapping = SourcePoint (*)(int x, int y, const MappingParams& params);

// The engine: a new bitmap of the given size in the source's format and palette, each pixel
// copied from the mapped source pixel, or the fill value where the mapping leaves the source.
Bitmap TransformBitmap(const Bitmap& source, int destWidth, int destHeight, const MappingParams& params,
                       std::uint32_t fillColor, PointMapping mapping);

Bitmap MirrorHorizontal(const Bitmap& bitmap);
Bitmap FlipVertical(const Bitmap& bitmap);
// mode 0: 90 degrees clockwise, 1: 180 degrees, 2: 90 degrees counter-clockwise.
Bitmap RotateBitmap(const Bitmap& bitmap, int mode);

// The bitmap with the state applied (turn first, then flip along the axis the turn made
// vertical); the input is not changed.
Bitmap ApplyTransform(const Bitmap& bitmap, const TransformState& state);

}  // namespace zorvane

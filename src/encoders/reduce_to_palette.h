#pragma once
// Brings a true-colour bitmap down to a given palette of up to 256 colours.

#include "bitmap/bitmap.h"
#include "encoders/color_lookup.h"

namespace zorvane {

enum class TColorReduction { Palette };
enum class TDitherMode { Nearest, FloydSteinberg };

class EColorReduction : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A new 8-bit bitmap of the source's size whose colour table is the palette padded with black
// to 256; the source is converted to 24 bits in place. An empty palette gives an empty bitmap.
Bitmap ReduceToPalette(Bitmap& bitmap, TColorReduction reduction, TDitherMode dither, const TPalette& palette);

// The reduction the save commands use: an octree palette among the static colours, then
// Floyd-Steinberg error diffusion. The source is converted to 24 bits in place.
Bitmap ReduceForGif(Bitmap& bitmap);

}  // namespace zorvane

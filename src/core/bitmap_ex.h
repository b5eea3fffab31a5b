#pragma once
// A bitmap that loads itself from a bitmap file in memory through the DIB reader.

#include "bitmap/bitmap.h"
#include "core/dib_reader.h"

namespace zorvane {

class TBitmapEx : public Bitmap {
public:
    // Replaces the content by the bitmap file at the stream's cursor: run-length data
    // decoded, the depth of the file kept, the colour table as palette, rows top-down.
    void LoadFromStream(ByteReader& stream);
};

// The same as a plain function: a working bitmap from a decoded DIB.
Bitmap BitmapFromDIB(TDIB dib);

}  // namespace zorvane

#pragma once
// The preview of one image of the icon stream: its icon at the directory size, the line of
// information shown beside it, and the working bitmap the preview draws from.

#include <optional>
#include <string>

#include "bitmap/bitmap.h"
#include "core/icon_compositor.h"
#include "core/icon_stream.h"
#include "core/transform_state.h"

namespace zorvane {

// "No.%d : %dpx × %dpx  色数:%dビット" for entry number (index + 1), size and bit count.
std::string ImageInfoLine(int number, int width, int height, int bitCount);

struct PreviewIcon {
    IconBitmaps bitmaps;
    int width = 0;  // the directory's size, a byte of 0 taken as 256
    int height = 0;
};

// The displayable icon of image index, or nothing when it cannot be made (a depth the
// compositor does not draw, or data that is no bitmap). infoLine is set in every case. Malformed
// image data raises the bitmap reader's errors.
std::optional<PreviewIcon> CreatePreviewIcon(const TIconStream& stream, int index, std::string& infoLine);

// The working bitmap of the preview: the icon drawn over keyColor, turned and mirrored by
// the state, with one more row of keyColor at the bottom so that the bottom-left pixel is
// always the key colour. A quarter turn of a non-square image gives the turned size.
Bitmap BuildPreviewBitmap(const PreviewIcon& icon, const TransformState& state, TColor keyColor);

// Sets the fourth byte of each pixel of a 32-bit bitmap: 0 where the colour is the
// bitmap's bottom-left colour, 255 elsewhere.
void MarkTransparentColor(Bitmap& bitmap32);

}  // namespace zorvane

#pragma once
// One image of the icon stream as a working bitmap with the colour adjustment and the
// geometry applied. A bitmap-format image keeps its own depth and only its colour image is
// decoded, not its mask; a PNG image becomes 32 bits with its alpha in the fourth byte.

#include <optional>
#include <string>

#include "bitmap/bitmap.h"
#include "core/icon_stream.h"
#include "core/transform_state.h"
#include "platform/message_sink.h"

namespace zorvane {

// Shown for icon images stored top-down (negative height field), which icons never are
// and whose stacked mask could not be told apart from the colour rows.
inline const std::string kTopDownIconMessage = "高さが負のアイコン画像には対応していません。";

// Nothing when the image cannot be decoded; the reason has then been shown through sink
// (an unsupported depth, a top-down image, an empty bitmap). Malformed bitmap data raises
// EDIBUtilsError, damaged PNG data EZNBPNG, data that ends too soon ReadError.
std::optional<Bitmap> IconImageToBitmap(const TIconStream& stream, int index, int hue, int saturation, int value,
                                        const TransformState& state, MessageSink& sink);

}  // namespace zorvane

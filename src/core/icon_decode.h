#pragma once
// One image of the icon stream as a working bitmap with the colour adjustment and the
// geometry applied. A bitmap-format image keeps its own depth and only its colour image is
// decoded, not its mask; a PNG image becomes 32 bits with its alpha in the fourth byte.

#include <optional>
#include <string>

#include "bitmap/bitmap.h"
#include "core/color_adjust.h"
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

// One image of the stream decoded for a series of hues at one saturation, value and
// geometry: WithHue gives what IconImageToBitmap gives for that hue, messages and errors
// alike, while the reading, the checks and the hue-free share of the colour work are done
// once, at the first call. The stream must outlive it and stay unchanged.
class IconImageHues {
public:
    IconImageHues(const TIconStream& stream, int index, int saturation, int value, const TransformState& state);
    ~IconImageHues();
    IconImageHues(const IconImageHues&) = delete;
    IconImageHues& operator=(const IconImageHues&) = delete;

    std::optional<Bitmap> WithHue(int hue, MessageSink& sink);

private:
    void Prepare();

    // Single: an image refused by the checks, decoded the single image's way each time.
    enum class Kind { Unprepared, Png, Pixels, Dib, Single };
    const TIconStream& stream_;
    int index_, saturation_, value_;
    TransformState state_;
    Kind kind_ = Kind::Unprepared;
    Bitmap png_;                     // a PNG image, decoded
    std::vector<std::uint8_t> dib_;  // a bitmap-format image, its height field halved
    IconDirEntry entry_{};
    unsigned bitCount_ = 0;
    std::optional<HueSeriesPixels> pixels_;  // its pixels taken once, for 24 and 32 bits
};

}  // namespace zorvane

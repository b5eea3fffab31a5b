#include "core/icon_by_index.h"
#include "core/icon_decode.h"
#include "core/icon_encode.h"
#include "core/preview_icon.h"
#include "targets/fuzz_options.h"
#include "targets/fuzz_targets.h"
#include "targets/refusals.h"

namespace zorvane::fuzz {
namespace {

// Draws, previews, decodes and saves every image (at most 16) as the window would.
Outcome DecodeAndEncode(TIconStream& stream, const EditOptions& o) {
    SilentMessageSink sink;
    // A bit count whose image header lies past the data ends the listing with the read
    // error, as in the window, and nothing further is done with that group.
    Outcome outcome = RefusalsAllowed([&] { FillMissingBitCounts(stream); });
    if (outcome == Outcome::Refused) return outcome;
    const int count = std::min(ImageCount(stream), 16);
    IconOfGroup(stream);  // the grid's cell
    for (int i = 0; i < count; ++i) {
        outcome |= RefusalsAllowed([&] {
            std::string infoLine;
            if (const auto icon = CreatePreviewIcon(stream, i, infoLine)) BuildPreviewBitmap(*icon, o.state, 0xFFFFFF);
        });
        outcome |= RefusalsAllowed([&] { IconImageToBitmap(stream, i, o.hue, o.saturation, o.value, o.state, sink); });
        outcome |= RefusalsAllowed([&] { EncodeIconImage(stream, i, o.hue, o.saturation, o.value, o.state, sink); });
    }
    outcome |= RefusalsAllowed([&] { EncodeIconGroup(stream, o.hue, o.saturation, o.value, o.state, sink); });
    return outcome;
}

}  // namespace

// The bytes as an icon file loaded into the stream; trailing bytes choose the edit.
Outcome FuzzIconStream(Bytes data) {
    const EditOptions options = TakeEditOptions(data);
    TIconStream stream;
    stream.write(data);
    if (!IsReadableIconStream(stream)) return Outcome::Refused;  // the program empties such a stream on load
    return DecodeAndEncode(stream, options);
}

}  // namespace zorvane::fuzz

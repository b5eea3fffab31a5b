#include "core/icon_decode.h"
#include "core/icon_encode.h"
#include "targets/fuzz_options.h"
#include "targets/fuzz_targets.h"
#include "targets/refusals.h"

namespace zorvane::fuzz {
namespace {

// Decodes and saves every image (at most 16) as the window's commands would.
void DecodeAndEncode(TIconStream& stream, const EditOptions& o) {
    SilentMessageSink sink;
    // A bit count whose image header lies past the data ends the listing with the read
    // error, as in the window, and nothing further is done with that group.
    bool listed = false;
    RefusalsAllowed([&] {
        FillMissingBitCounts(stream);
        listed = true;
    });
    if (!listed) return;
    const int count = std::min(ImageCount(stream), 16);
    for (int i = 0; i < count; ++i) {
        RefusalsAllowed([&] { IconImageToBitmap(stream, i, o.hue, o.saturation, o.value, o.state, sink); });
        RefusalsAllowed([&] { EncodeIconImage(stream, i, o.hue, o.saturation, o.value, o.state, sink); });
    }
    RefusalsAllowed([&] { EncodeIconGroup(stream, o.hue, o.saturation, o.value, o.state, sink); });
}

}  // namespace

// The bytes as an icon file loaded into the stream; trailing bytes choose the edit.
void FuzzIconStream(Bytes data) {
    const EditOptions options = TakeEditOptions(data);
    TIconStream stream;
    stream.write(data);
    if (!IsReadableIconStream(stream)) return;  // the program empties such a stream on load
    DecodeAndEncode(stream, options);
}

}  // namespace zorvane::fuzz

#include "core/bitmap_ex.h"
#include "targets/fuzz_targets.h"
#include "targets/refusals.h"

namespace zorvane::fuzz {

// The bytes as a bitmap file, run-length data included.
Outcome FuzzDib(Bytes data) {
    return RefusalsAllowed([&] {
        ByteReader reader(data);
        TBitmapEx bitmap;
        bitmap.LoadFromStream(reader);
    });
}

}  // namespace zorvane::fuzz

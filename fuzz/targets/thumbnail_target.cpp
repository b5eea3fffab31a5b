#include "targets/fuzz_targets.h"
#include "targets/memory_file.h"
#include "targets/refusals.h"
#include "thumbnailer/thumbnail.h"

namespace zorvane::fuzz {

// The thumbnailer's whole path from file to PNG bytes, at a size that scales and one that does not.
Outcome FuzzThumbnail(Bytes data) {
    MemoryFile file(data);
    Outcome outcome = Outcome::Accepted;
    for (int size : {16, 256}) outcome |= RefusalsAllowed([&] { MakeThumbnailPng(file.path(), size); });
    return outcome;
}

}  // namespace zorvane::fuzz

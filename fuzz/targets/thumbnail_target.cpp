#include "targets/fuzz_targets.h"
#include "targets/memory_file.h"
#include "thumbnailer/thumbnail.h"

namespace zorvane::fuzz {

// The thumbnailer's whole path from file to PNG bytes, at a size that scales and one that does not.
void FuzzThumbnail(Bytes data) {
    MemoryFile file(data);
    for (int size : {16, 256}) {
        try {
            MakeThumbnailPng(file.path(), size);
        } catch (const ThumbnailError&) {
        }
    }
}

}  // namespace zorvane::fuzz

#include "encoders/png_to_bgra.h"
#include "encoders/znb_png.h"
#include "targets/fuzz_targets.h"
#include "targets/refusals.h"

namespace zorvane::fuzz {

// The bytes as a PNG file, loaded and turned into the 32-bit view icons use.
Outcome FuzzPng(Bytes data) {
    return RefusalsAllowed([&] {
        TZNBPNG png;
        png.LoadFromStream(data);
        PngToBgra32(png);
    });
}

}  // namespace zorvane::fuzz

#pragma once
// The errors by which the program refuses bad input with a message share one base, Refusal.
// Anything else escaping a harness (bad_alloc, length_error, out_of_range...) is a finding.

#include <type_traits>

#include "bitmap/bitmap.h"
#include "core/dib_reader.h"
#include "encoders/png_error.h"
#include "platform/byte_reader.h"
#include "platform/file_io.h"
#include "platform/refusal.h"
#include "targets/fuzz_targets.h"
#include "thumbnailer/thumbnail.h"

namespace zorvane::fuzz {

static_assert(std::is_base_of_v<Refusal, ReadError> && std::is_base_of_v<Refusal, EDIBUtilsError> &&
              std::is_base_of_v<Refusal, BitmapTooLarge> && std::is_base_of_v<Refusal, FileError> &&
              std::is_base_of_v<Refusal, EZNBPNG> && std::is_base_of_v<Refusal, ThumbnailError>);

// Runs body; Refused when it raised a refusal.
template <typename Body>
Outcome RefusalsAllowed(Body&& body) {
    try {
        body();
        return Outcome::Accepted;
    } catch (const Refusal&) {
        return Outcome::Refused;
    }
}

// Refused when either step was.
inline Outcome& operator|=(Outcome& outcome, Outcome step) {
    if (step == Outcome::Refused) outcome = step;
    return outcome;
}

}  // namespace zorvane::fuzz

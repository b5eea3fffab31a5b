#pragma once
// The errors by which the program refuses bad input with a message. Anything else escaping
// a harness (bad_alloc, length_error, out_of_range...) is a finding.

#include "bitmap/bitmap.h"
#include "core/dib_reader.h"
#include "encoders/png_error.h"
#include "platform/byte_reader.h"
#include "platform/file_io.h"
#include "targets/fuzz_targets.h"

namespace zorvane::fuzz {

// Runs body; Refused when it raised one of the refusals.
template <typename Body>
Outcome RefusalsAllowed(Body&& body) {
    try {
        body();
        return Outcome::Accepted;
    } catch (const ReadError&) {
    } catch (const EDIBUtilsError&) {
    } catch (const BitmapTooLarge&) {
    } catch (const FileError&) {
    } catch (const EZNBPNG&) {
    }
    return Outcome::Refused;
}

// Refused when either step was.
inline Outcome& operator|=(Outcome& outcome, Outcome step) {
    if (step == Outcome::Refused) outcome = step;
    return outcome;
}

}  // namespace zorvane::fuzz

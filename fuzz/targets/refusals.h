#pragma once
// The errors by which the program refuses bad input with a message. Anything else escaping
// a harness (bad_alloc, length_error, out_of_range...) is a finding.

#include "bitmap/bitmap.h"
#include "core/dib_reader.h"
#include "encoders/png_error.h"
#include "platform/byte_reader.h"
#include "platform/file_io.h"

namespace zorvane::fuzz {

template <typename Body>
void RefusalsAllowed(Body&& body) {
    try {
        body();
    } catch (const ReadError&) {
    } catch (const EDIBUtilsError&) {
    } catch (const BitmapTooLarge&) {
    } catch (const FileError&) {
    } catch (const EZNBPNG&) {
    }
}

}  // namespace zorvane::fuzz

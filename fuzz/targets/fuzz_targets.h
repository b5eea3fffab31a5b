#pragma once
// The entry points of the fuzzing harnesses. Each takes arbitrary bytes and drives one
// parser the way the program does; an input may make it refuse with the program's own error,
// never crash, hang or read outside a buffer. The same entry points run under libFuzzer
// (fuzz/fuzz-all) and over seeds, mutations and the regression corpus in the test run.

#include <cstdint>
#include <span>
#include <string_view>

namespace zorvane::fuzz {

using Bytes = std::span<const std::uint8_t>;

// Refused: the program turned the input down (one of its refusal errors, or the file found
// unreadable), at least in part. Accepted: every step took it.
enum class Outcome { Accepted, Refused };

#define ZORVANE_HARNESS(name, entry) Outcome entry(Bytes data);
#include "targets/harnesses.inc"
#undef ZORVANE_HARNESS

struct Target {
    std::string_view name;  // also the folder of its seeds and regressions
    Outcome (*run)(Bytes);
};

// Every harness, for the sweeps and the regression replay.
std::span<const Target> AllTargets();

}  // namespace zorvane::fuzz

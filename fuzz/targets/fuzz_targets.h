#pragma once
// The entry points of the fuzzing harnesses. Each takes arbitrary bytes and drives one
// parser the way the program does; an input may make it refuse with the program's own error,
// never crash, hang or read outside a buffer. The same entry points run under libFuzzer
// (bench/fuzz-all) and over seeds, mutations and the regression corpus in the test run.

#include <cstdint>
#include <span>
#include <string_view>

namespace zorvane::fuzz {

using Bytes = std::span<const std::uint8_t>;

void FuzzPeResources(Bytes data);
void FuzzIconStream(Bytes data);
void FuzzDib(Bytes data);
void FuzzIniFile(Bytes data);
void FuzzModuleList(Bytes data);
void FuzzShellLink(Bytes data);
void FuzzPng(Bytes data);
void FuzzThumbnail(Bytes data);

struct Target {
    std::string_view name;  // also the folder of its seeds and regressions
    void (*run)(Bytes);
};

// Every harness, for the sweeps and the regression replay.
std::span<const Target> AllTargets();

}  // namespace zorvane::fuzz

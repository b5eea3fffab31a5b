#pragma once
// Whole-file reads and replacing writes. A write builds its bytes first and replaces the
// target only when all of them are on disk, so a failure never leaves a half-written
// file under the user's name nor destroys the file it was meant to replace.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorvane {

// A file that cannot be created, written or read; the text names the path and the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// Writes to a temporary file beside path, flushes it, then renames it over path.
void WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

// Test hook: when set, the write fails after this many bytes as a full disk would.
void SetWriteFailureAfterBytesForTesting(long long bytes);

}  // namespace zorvane

#pragma once
// Whole-file reads and replacing writes. A write builds its bytes first and replaces the
// target only when all of them are on disk, so a failure never leaves a half-written
// file under the user's name nor destroys the file it was meant to replace.

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/refusal.h"

namespace zorvane {

// A file that cannot be created, written or read; the text names the path and the reason.
class FileError : public Refusal {
public:
    using Refusal::Refusal;
};

std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// A new file is written unnamed and linked under path once complete; a file that exists is
// replaced by a temporary file beside it, flushed, then renamed over it.
void WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

// Several files written at once with at most one flush to disk, for commands that write
// many. A file that does not exist yet is written under its own name; one that exists is
// written beside it and, after a single flush of all of them, renamed over it by Commit.
// If Commit is never reached (a failure), every file of the batch is removed again and the
// files it was to replace are untouched.
class ReplacingFileBatch {
public:
    ReplacingFileBatch() = default;
    ReplacingFileBatch(const ReplacingFileBatch&) = delete;
    ReplacingFileBatch& operator=(const ReplacingFileBatch&) = delete;
    ~ReplacingFileBatch();

    void Add(const std::string& path, std::span<const std::uint8_t> bytes);
    void Commit();

private:
    std::vector<std::string> created_;
    std::vector<std::pair<std::string, std::string>> replacing_;  // temporary file, target
};

// Test hook: when set, the write fails after this many bytes as a full disk would.
void SetWriteFailureAfterBytesForTesting(long long bytes);
// Test hook: called with a file's own path just before anything is created for it, so a
// test can fill the disk or take the folder away in the middle of a command. Empty: none.
void SetBeforeCreateHookForTesting(std::function<void(const std::string& path)> hook);

}  // namespace zorvane

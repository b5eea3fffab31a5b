#pragma once
// Bytes in memory given a path, for parsers that open files themselves: an anonymous
// in-memory file reached through /proc/self/fd.

#include <cstdint>
#include <span>
#include <string>

namespace zorvane::fuzz {

class MemoryFile {
public:
    explicit MemoryFile(std::span<const std::uint8_t> data);
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace zorvane::fuzz

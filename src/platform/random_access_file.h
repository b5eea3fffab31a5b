#pragma once
// Reads parts of a file by offset without loading it whole, so that a large module can be
// examined by reading only its headers and the resources asked for.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zorvane {

// Small reads go through a cache of aligned blocks, so that walking a resource tree or
// taking many small images costs few system calls; large reads go straight to the file.
class RandomAccessFile {
public:
    // A regular file opened for reading, or nothing (missing, a folder, no permission).
    static std::optional<RandomAccessFile> Open(const std::string& path);

    RandomAccessFile(RandomAccessFile&& other) noexcept;
    RandomAccessFile& operator=(RandomAccessFile&& other) noexcept;
    RandomAccessFile(const RandomAccessFile&) = delete;
    RandomAccessFile& operator=(const RandomAccessFile&) = delete;
    ~RandomAccessFile();

    std::uint64_t size() const { return size_; }
    // The bytes [off, off + len), or nothing when the range leaves the file or the read fails.
    std::optional<std::vector<std::uint8_t>> ReadAt(std::uint64_t off, std::uint64_t len) const;
    struct Range {
        std::uint64_t offset = 0;
        std::uint64_t length = 0;
    };
    // The bytes of each range appended to out back to back, in the order given, read in file
    // order with one call for ranges that lie close together. False, with out as it was, when
    // a range leaves the file or a read fails.
    bool AppendRanges(std::span<const Range> ranges, std::vector<std::uint8_t>& out) const;
    // Bytes read so far: lets tests confirm that a large file was not read whole.
    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    static constexpr std::uint64_t kBlockSize = 8192;
    static constexpr std::size_t kMaxBlocks = 512;

    RandomAccessFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    bool ReadDirect(std::uint64_t off, std::uint8_t* out, std::uint64_t len) const;
    const std::vector<std::uint8_t>* Block(std::uint64_t index) const;

    int fd_ = -1;
    std::uint64_t size_ = 0;
    mutable std::uint64_t bytesRead_ = 0;
    mutable std::map<std::uint64_t, std::vector<std::uint8_t>> blocks_;
    mutable std::vector<std::uint8_t> joined_;  // the last joint read, kept at its largest
};

}  // namespace zorvane

#include "platform/random_access_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/byte_reader.h"

namespace zorvane {

std::optional<RandomAccessFile> RandomAccessFile::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return RandomAccessFile(fd, static_cast<std::uint64_t>(st.st_size));
}

RandomAccessFile::RandomAccessFile(RandomAccessFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      size_(other.size_),
      bytesRead_(other.bytesRead_),
      blocks_(std::move(other.blocks_)) {}

RandomAccessFile& RandomAccessFile::operator=(RandomAccessFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
        bytesRead_ = other.bytesRead_;
        blocks_ = std::move(other.blocks_);
    }
    return *this;
}

RandomAccessFile::~RandomAccessFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool RandomAccessFile::ReadDirect(std::uint64_t off, std::uint8_t* out, std::uint64_t len) const {
    std::uint64_t done = 0;
    while (done < len) {
        const ssize_t n = ::pread(fd_, out + done, static_cast<std::size_t>(len - done),
                                  static_cast<off_t>(off + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;  // an error, or the file shrank under us
        done += static_cast<std::uint64_t>(n);
    }
    bytesRead_ += len;
    return true;
}

const std::vector<std::uint8_t>* RandomAccessFile::Block(std::uint64_t index) const {
    if (auto it = blocks_.find(index); it != blocks_.end()) return &it->second;
    if (blocks_.size() >= kMaxBlocks) blocks_.clear();
    const std::uint64_t off = index * kBlockSize;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min(kBlockSize, size_ - off)));
    if (!ReadDirect(off, block.data(), block.size())) return nullptr;
    return &blocks_.emplace(index, std::move(block)).first->second;
}

std::optional<std::vector<std::uint8_t>> RandomAccessFile::ReadAt(std::uint64_t off, std::uint64_t len) const {
    if (!RangeFits(off, len, size_)) return std::nullopt;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(len));
    if (len > kBlockSize) {
        if (!ReadDirect(off, out.data(), len)) return std::nullopt;
        return out;
    }
    for (std::uint64_t done = 0; done < len;) {
        const std::uint64_t at = off + done;
        const auto* block = Block(at / kBlockSize);
        const std::uint64_t inBlock = at % kBlockSize;
        if (!block || inBlock >= block->size()) return std::nullopt;
        const std::uint64_t n = std::min<std::uint64_t>(len - done, block->size() - inBlock);
        std::copy_n(block->begin() + static_cast<std::ptrdiff_t>(inBlock), n,
                    out.begin() + static_cast<std::ptrdiff_t>(done));
        done += n;
    }
    return out;
}

}  // namespace zorvane

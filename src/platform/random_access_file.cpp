#include "platform/random_access_file.h"

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
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), bytesRead_(other.bytesRead_) {}

RandomAccessFile& RandomAccessFile::operator=(RandomAccessFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
        bytesRead_ = other.bytesRead_;
    }
    return *this;
}

RandomAccessFile::~RandomAccessFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<std::vector<std::uint8_t>> RandomAccessFile::ReadAt(std::uint64_t off, std::uint64_t len) const {
    if (!RangeFits(off, len, size_)) return std::nullopt;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(len));
    std::uint64_t done = 0;
    while (done < len) {
        const ssize_t n = ::pread(fd_, out.data() + done, static_cast<std::size_t>(len - done),
                                  static_cast<off_t>(off + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;  // an error, or the file shrank under us
        done += static_cast<std::uint64_t>(n);
    }
    bytesRead_ += len;
    return out;
}

}  // namespace zorvane

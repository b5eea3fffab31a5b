#include "targets/memory_file.h"

#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace zorvane::fuzz {

MemoryFile::MemoryFile(std::span<const std::uint8_t> data) {
    fd_ = ::memfd_create("zorvane-fuzz", MFD_CLOEXEC);
    if (fd_ < 0) throw std::runtime_error("memfd_create failed");
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd_, data.data() + done, data.size() - done);
        if (n <= 0) throw std::runtime_error("memfd write failed");
        done += static_cast<std::size_t>(n);
    }
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() { ::close(fd_); }

}  // namespace zorvane::fuzz

#include "support/small_disk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace zorvane::test {

SmallDisk::SmallDisk(std::size_t bytes) {
    const std::string options = "size=" + std::to_string(bytes);
    mounted_ = ::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
}

void SmallDisk::Fill() const {
    const std::string filler = (dir_.path() / "filler").string();
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const std::vector<char> block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // The last page may be part-filled: take its rest byte by byte.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

}  // namespace zorvane::test

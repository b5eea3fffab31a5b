#pragma once
// A small tmpfs mounted on a fresh folder, for real "no space left" errors from the kernel
// rather than the injected ones. Mounting needs the right to (root in the test machine);
// where it is refused, mounted() is false and the test skips itself.

#include <cstddef>
#include <filesystem>

#include "support/test_support.h"

namespace zorvane::test {

class SmallDisk {
public:
    explicit SmallDisk(std::size_t bytes = 1024 * 1024);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::filesystem::path& path() const { return dir_.path(); }
    // Takes up every free byte left, in a file named "filler", so the next write fails.
    void Fill() const;

private:
    TempDir dir_;
    bool mounted_ = false;
};

}  // namespace zorvane::test

#include "platform/random_access_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <numeric>
#include <tuple>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/byte_reader.h"

namespace zorvane {
namespace {

// Ranges this close in the file are read with one call: reading the gap costs less than a
// call. The gaps read for one request stay below kMaxSkipped bytes, so that the joint
// buffer never holds much more than the ranges it serves; a range longer than
// kMaxJointRead is read by itself, straight into place.
constexpr std::uint64_t kMaxGap = 4096;
constexpr std::uint64_t kMaxSkipped = std::uint64_t{1} << 20;
constexpr std::uint64_t kMaxJointRead = std::uint64_t{1} << 20;
constexpr std::uint64_t kDirect = UINT64_MAX;

}  // namespace

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

bool RandomAccessFile::AppendRanges(std::span<const Range> ranges, std::vector<std::uint8_t>& out) const {
    std::vector<std::size_t> order(ranges.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(ranges[a].offset, a) < std::tie(ranges[b].offset, b);
    });
    // In file order, ranges close together join one run; the runs are read back to back into
    // joined_, and at[i] is where range i lands there (kDirect: read straight into out).
    struct Run {
        std::uint64_t start, end, base;
    };
    std::vector<Run> runs;
    std::vector<std::uint64_t> at(ranges.size(), kDirect);
    std::uint64_t joined = 0, skipped = 0;
    for (std::size_t i : order) {
        const Range& r = ranges[i];
        if (!RangeFits(r.offset, r.length, size_)) return false;
        if (r.length > kMaxJointRead) continue;
        const std::uint64_t gap = runs.empty() || r.offset <= runs.back().end ? 0 : r.offset - runs.back().end;
        if (!runs.empty() && gap <= kMaxGap && skipped + gap <= kMaxSkipped) {
            skipped += gap;
            runs.back().end = std::max(runs.back().end, r.offset + r.length);
        } else {
            if (!runs.empty()) joined += runs.back().end - runs.back().start;
            runs.push_back({r.offset, r.offset + r.length, joined});
        }
        at[i] = runs.back().base + (r.offset - runs.back().start);
    }
    if (!runs.empty()) joined += runs.back().end - runs.back().start;
    // Kept at its largest: refilling it costs no clearing and no allocation.
    if (joined_.size() < joined) joined_.resize(static_cast<std::size_t>(joined));
    for (const Run& run : runs)
        if (!ReadDirect(run.start, joined_.data() + run.base, run.end - run.start)) return false;
    const std::size_t kept = out.size();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const Range& r = ranges[i];
        if (at[i] != kDirect) {
            const auto from = joined_.begin() + static_cast<std::ptrdiff_t>(at[i]);
            out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(r.length));
            continue;
        }
        out.resize(out.size() + r.length);
        if (!ReadDirect(r.offset, out.data() + out.size() - r.length, r.length)) {
            out.resize(kept);
            return false;
        }
    }
    return true;
}

}  // namespace zorvane

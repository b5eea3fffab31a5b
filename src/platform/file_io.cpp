#include "platform/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace {

long long g_failAfterBytes = -1;
std::function<void(const std::string&)> g_beforeCreate;

void beforeCreate(const std::string& path) {
    if (g_beforeCreate) g_beforeCreate(path);
}

std::string reason(int err) { return std::strerror(err); }

FileError createError(const std::string& path, int err) {
    return FileError("ファイル " + path + " を作成できません。" + reason(err));
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int close() {
        int rc = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// Writes everything or reports the errno of the first failure.
int writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t chunk = bytes.size() - done;
        if (g_failAfterBytes >= 0) {
            if (static_cast<long long>(done) >= g_failAfterBytes) return ENOSPC;
            chunk = std::min<std::size_t>(chunk, static_cast<std::size_t>(g_failAfterBytes) - done);
        }
        ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) throw FileError("ファイル " + path + " を開けません。" + reason(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw FileError("ファイル " + path + " を開けません。" + reason(S_ISDIR(st.st_mode) ? EISDIR : errno));
    // Read in place into room for the size stat gives (plus one byte to see the end at once);
    // a file that grows meanwhile is read on to its end all the same.
    std::vector<std::uint8_t> data(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) data.resize(data.size() * 2);
        ssize_t n = ::read(fd.get(), data.data() + used, data.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileError("ファイル " + path + " を読み込めません。" + reason(errno));
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    data.resize(used);
    return data;
}

namespace {

// Writes bytes to a new temporary file beside path and returns its name; flushed to disk
// when asked. Nothing is left behind on failure.
std::string WriteTemporary(const std::string& path, std::span<const std::uint8_t> bytes, bool flush) {
    std::string tmp = path + ".XXXXXX.tmp";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    Fd fd(::mkstemps(name.data(), 4));
    if (fd.get() < 0) throw createError(path, errno);
    const std::string tmpPath(name.data());
    int err = writeAll(fd.get(), bytes);
    if (err == 0 && flush && ::fsync(fd.get()) != 0) err = errno;
    if (fd.close() != 0 && err == 0) err = errno;
    // Keep the usual permissions of a new file rather than mkstemp's 0600.
    mode_t mask = ::umask(0);
    ::umask(mask);
    if (err == 0 && ::chmod(tmpPath.c_str(), 0666 & ~mask) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmpPath.c_str());
        throw createError(path, err);
    }
    return tmpPath;
}

void RenameOver(const std::string& tmpPath, const std::string& path) {
    if (::rename(tmpPath.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpPath.c_str());
        throw createError(path, err);
    }
}

// Writes bytes to an unnamed file in path's folder, then gives it path's name: the file
// appears complete or not at all, and as it replaces nothing it needs no flush first.
// False, with nothing left behind, when path exists already or the folder or file system
// cannot do this; the caller then takes the way through a named temporary file.
bool CreateByLinking(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    Fd fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd.get() < 0) return false;
    const int err = writeAll(fd.get(), bytes);
    if (err != 0) throw createError(path, err);
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno == EEXIST) return false;
    return ::linkat(fd.get(), "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0;
}

// Flushes every file of the file system that holds path; false when that fails.
bool SyncFileSystemOf(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return fd.get() >= 0 && ::syncfs(fd.get()) == 0;
}

}  // namespace

void WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes) {
    beforeCreate(path);
    if (CreateByLinking(path, bytes)) return;
    RenameOver(WriteTemporary(path, bytes, true), path);
}

void ReplacingFileBatch::Add(const std::string& path, std::span<const std::uint8_t> bytes) {
    // A new file is written under its own name: there is nothing to protect, and it is
    // removed again if the write fails or the batch is never committed.
    beforeCreate(path);
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0 && errno != EEXIST) throw createError(path, errno);
    if (fd.get() < 0) {
        replacing_.push_back({WriteTemporary(path, bytes, false), path});
        return;
    }
    created_.push_back(path);
    int err = writeAll(fd.get(), bytes);
    if (fd.close() != 0 && err == 0) err = errno;
    if (err != 0) throw createError(path, err);
}

void ReplacingFileBatch::Commit() {
    // Files that replace others must be on disk before the renames.
    if (!replacing_.empty() && !SyncFileSystemOf(replacing_.front().first)) {
        for (const auto& [tmp, path] : replacing_) {
            Fd fd(::open(tmp.c_str(), O_RDONLY | O_CLOEXEC));
            if (fd.get() < 0 || ::fsync(fd.get()) != 0) throw createError(path, errno);
        }
    }
    created_.clear();
    while (!replacing_.empty()) {
        const auto [tmp, path] = replacing_.front();
        replacing_.erase(replacing_.begin());
        RenameOver(tmp, path);
    }
}

ReplacingFileBatch::~ReplacingFileBatch() {
    for (const auto& entry : replacing_) ::unlink(entry.first.c_str());
    for (const auto& path : created_) ::unlink(path.c_str());
}

void SetWriteFailureAfterBytesForTesting(long long bytes) { g_failAfterBytes = bytes; }

void SetBeforeCreateHookForTesting(std::function<void(const std::string& path)> hook) {
    g_beforeCreate = std::move(hook);
}

}  // namespace zorvane

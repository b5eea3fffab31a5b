#include "core/icon_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/icon_extraction.h"
#include "platform/byte_reader.h"
#include "platform/random_access_file.h"

namespace zorvane {
namespace {

// Whether the header and directory at the start of the file name at least one image and
// every image lies inside the file; read without loading the images.
bool HasReadableIconDirectory(const RandomAccessFile& file) {
    const auto header = file.ReadAt(0, kIconHeaderSize);
    if (!header) return false;
    const std::uint16_t count = ByteReader(*header).u16le(4);
    const auto directory = file.ReadAt(kIconHeaderSize, kIconDirEntrySize * count);
    if (count == 0 || !directory) return false;
    const ByteReader d(*directory);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t o = i * kIconDirEntrySize;
        if (!RangeFits(d.u32le(o + 12), d.u32le(o + 8), file.size())) return false;
    }
    return true;
}

}  // namespace

bool IsIconFilePath(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".ico";
}

void LoadIconFile(TIconStream& stream, const std::string& path) {
    stream.clear();
    const auto file = RandomAccessFile::Open(path);
    if (!file || !HasReadableIconDirectory(*file)) return;
    const auto bytes = file->ReadAt(0, file->size());
    if (!bytes) return;
    stream.write(*bytes);
    stream.seek(0);
    if (!IsReadableIconStream(stream)) stream.clear();
}

int IconCountOfFile(const std::string& path) {
    if (IsIconFilePath(path)) {
        const auto file = RandomAccessFile::Open(path);
        return file && HasReadableIconDirectory(*file) ? 1 : 0;
    }
    const auto module = PeModule::Open(path);
    return module ? static_cast<int>(module->Names(kResourceTypeGroupIcon).size()) : 0;
}

void LoadGroupOfFile(TIconStream& stream, const std::string& path, int index) {
    if (IsIconFilePath(path)) {
        if (index == 0)
            LoadIconFile(stream, path);
        else
            stream.clear();
        return;
    }
    stream.clear();
    LoadIconGroup(stream, path, index);
    stream.seek(0);
}

}  // namespace zorvane

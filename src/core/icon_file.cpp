#include "core/icon_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "core/icon_extraction.h"
#include "platform/byte_reader.h"
#include "platform/random_access_file.h"

namespace zorvane {
namespace {

// The end of the last image when the header and directory at the start of the file name at
// least one image and every image lies inside the file; read without loading the images.
std::optional<std::uint64_t> IconDirectoryExtent(const RandomAccessFile& file) {
    const auto header = file.ReadAt(0, kIconHeaderSize);
    if (!header) return std::nullopt;
    const std::uint16_t count = ByteReader(*header).u16le(4);
    const auto directory = file.ReadAt(kIconHeaderSize, kIconDirEntrySize * count);
    if (count == 0 || !directory) return std::nullopt;
    const ByteReader d(*directory);
    std::uint64_t extent = kIconHeaderSize + kIconDirEntrySize * count;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t o = i * kIconDirEntrySize;
        const std::uint64_t size = d.u32le(o + 8), offset = d.u32le(o + 12);
        if (!RangeFits(offset, size, file.size())) return std::nullopt;
        extent = std::max(extent, offset + size);
    }
    return extent;
}

bool HasReadableIconDirectory(const RandomAccessFile& file) { return IconDirectoryExtent(file).has_value(); }

// An icon file's header: reserved word 0, type 1.
bool StartsLikeIconFile(const RandomAccessFile& file) {
    const auto header = file.ReadAt(0, 4);
    return header && ByteReader(*header).u16le(0) == 0 && ByteReader(*header).u16le(2) == 1;
}

// The header, directory and images of an icon file, leaving out whatever follows the last image.
void LoadIconFileImages(TIconStream& stream, const RandomAccessFile& file) {
    const auto extent = IconDirectoryExtent(file);
    const auto bytes = extent ? file.ReadAt(0, *extent) : std::nullopt;
    if (!bytes) return;
    stream.write(*bytes);
    if (!IsReadableIconStream(stream)) stream.clear();
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

void LoadPrimaryGroup(TIconStream& stream, const std::string& path) {
    stream.clear();
    const auto file = RandomAccessFile::Open(path);
    if (!file) return;
    if (StartsLikeIconFile(*file)) {
        LoadIconFileImages(stream, *file);
    } else if (const auto module = PeModule::Open(path)) {
        LoadIconGroup(stream, *module, 0);
    }
    stream.seek(0);
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

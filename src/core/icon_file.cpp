#include "core/icon_file.h"

#include <filesystem>
#include <optional>

#include "core/icon_extraction.h"
#include "platform/byte_reader.h"
#include "platform/file_signature.h"
#include "platform/random_access_file.h"
#include "platform/text_util.h"

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

// An icon or cursor file's header: reserved word 0, type 1 or 2.
bool StartsLikeIconFile(const RandomAccessFile& file) {
    const auto header = file.ReadAt(0, 4);
    if (!header || ByteReader(*header).u16le(0) != 0) return false;
    const std::uint16_t type = ByteReader(*header).u16le(2);
    return type == 1 || type == 2;
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
    switch (SniffFileContent(path)) {
    case FileContent::IconDirectory:
    case FileContent::CursorDirectory: return true;
    case FileContent::Module: return false;
    case FileContent::Unknown: break;
    }
    return IsIconFileExtension(path);
}

bool IsIconFileExtension(const std::string& path) {
    const std::string ext = AsciiLower(std::filesystem::path(path).extension().string());
    return ext == ".ico" || ext == ".cur";
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

int IconCountOfFile(const std::string& path) { return GroupCountOfFile(path, {}); }

int GroupCountOfFile(const std::string& path, const GroupQuery& query) {
    if (IsIconFilePath(path)) {
        const auto file = RandomAccessFile::Open(path);
        return file && HasReadableIconDirectory(*file) ? 1 : 0;
    }
    const auto module = OpenResourceModule(path);
    return module ? static_cast<int>(module->Names(query.groupType()).size()) : 0;
}

void LoadPrimaryGroup(TIconStream& stream, const std::string& path) {
    stream.clear();
    const auto file = RandomAccessFile::Open(path);
    if (!file) return;
    if (StartsLikeIconFile(*file)) {
        LoadIconFileImages(stream, *file);
    } else if (const auto module = OpenResourceModule(path)) {
        LoadIconGroup(stream, *module, 0);
    }
    stream.seek(0);
}

void LoadGroupOfFile(TIconStream& stream, const std::string& path, int index, const GroupQuery& query) {
    if (IsIconFilePath(path)) {
        if (index == 0)
            LoadIconFile(stream, path);
        else
            stream.clear();
        return;
    }
    stream.clear();
    LoadIconGroup(stream, path, index, query);
    stream.seek(0);
}

}  // namespace zorvane

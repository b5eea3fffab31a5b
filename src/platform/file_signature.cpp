#include "platform/file_signature.h"

#include <algorithm>

#include "platform/byte_reader.h"
#include "platform/random_access_file.h"
#include "platform/module_signatures.h"

namespace zorvane {
namespace {

constexpr std::uint64_t kDosHeaderSize = 64;
constexpr std::uint64_t kDirectoryHeaderSize = 6;
constexpr std::uint64_t kDirectoryEntrySize = 16;

bool IsModule(const RandomAccessFile& file, const ByteReader& head) {
    if (!head.has(0, kDosHeaderSize) || head.u16le(0) != kDosSignature) return false;
    const auto signature = file.ReadAt(head.u32le(0x3C), 4);
    if (!signature) return false;
    const ByteReader s(*signature);
    return s.u32le(0) == kPeSignature || s.u16le(0) == kNeSignature;
}

// Reserved 0, type 1 or 2 and at least one entry, with the whole directory in the file:
// enough to tell a directory from a file that merely starts with zeros.
FileContent DirectoryKind(const RandomAccessFile& file, const ByteReader& head) {
    if (!head.has(0, kDirectoryHeaderSize) || head.u16le(0) != 0) return FileContent::Unknown;
    const std::uint16_t type = head.u16le(2);
    const std::uint16_t count = head.u16le(4);
    if ((type != 1 && type != 2) || count == 0) return FileContent::Unknown;
    if (!RangeFits(kDirectoryHeaderSize, kDirectoryEntrySize * count, file.size())) return FileContent::Unknown;
    return type == 1 ? FileContent::IconDirectory : FileContent::CursorDirectory;
}

}  // namespace

FileContent SniffFileContent(const std::string& path) {
    const auto file = RandomAccessFile::Open(path);
    if (!file) return FileContent::Unknown;
    const auto head = file->ReadAt(0, std::min<std::uint64_t>(kDosHeaderSize, file->size()));
    if (!head) return FileContent::Unknown;
    const ByteReader r(*head);
    if (IsModule(*file, r)) return FileContent::Module;
    return DirectoryKind(*file, r);
}

}  // namespace zorvane

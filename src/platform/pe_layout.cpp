#include "platform/pe_layout.h"

#include <algorithm>

#include "platform/byte_reader.h"
#include "platform/module_signatures.h"

namespace zorvane {
namespace {

constexpr std::uint16_t kMagicPe32 = 0x10B;
constexpr std::uint16_t kMagicPe32Plus = 0x20B;
constexpr std::uint64_t kFileHeaderSize = 20;
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint32_t kResourceDirectoryIndex = 2;

struct OptionalHeaderShape {
    std::uint64_t directoryCountOffset;  // NumberOfRvaAndSizes
    std::uint64_t directoriesOffset;
};

std::optional<OptionalHeaderShape> ShapeOf(std::uint16_t magic) {
    if (magic == kMagicPe32) return OptionalHeaderShape{92, 96};
    if (magic == kMagicPe32Plus) return OptionalHeaderShape{108, 112};
    return std::nullopt;
}

// Fills the resource directory's address and size from the optional header.
bool ReadResourceDirectory(const ByteReader& optional, PeLayout& layout) {
    const auto shape = ShapeOf(optional.u16le(0));
    if (!shape) return false;
    layout.pe32plus = optional.u16le(0) == kMagicPe32Plus;
    if (!optional.has(shape->directoryCountOffset, 4)) return false;
    const std::uint32_t count = optional.u32le(shape->directoryCountOffset);
    const std::uint64_t entry = shape->directoriesOffset + 8ull * kResourceDirectoryIndex;
    if (count > kResourceDirectoryIndex && optional.has(entry, 8)) {
        layout.resourceRva = optional.u32le(entry);
        layout.resourceSize = optional.u32le(entry + 4);
    }
    return true;
}

std::vector<PeSection> ReadSections(const ByteReader& table, std::uint16_t count) {
    std::vector<PeSection> sections;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t o = i * kSectionHeaderSize;
        sections.push_back({table.u32le(o + 12), table.u32le(o + 8), table.u32le(o + 16), table.u32le(o + 20)});
    }
    return sections;
}

std::optional<PeLayout> ParseHeaders(const RandomAccessFile& file) {
    const auto dos = file.ReadAt(0, 64);
    if (!dos || ByteReader(*dos).u16le(0) != kDosSignature) return std::nullopt;
    const std::uint64_t peOffset = ByteReader(*dos).u32le(0x3C);
    const auto head = file.ReadAt(peOffset, 4 + kFileHeaderSize);
    if (!head) return std::nullopt;
    const ByteReader h(*head);
    if (h.u32le(0) != kPeSignature) return std::nullopt;
    const std::uint16_t sectionCount = h.u16le(4 + 2);
    const std::uint16_t optionalSize = h.u16le(4 + 16);
    const std::uint64_t optionalOffset = peOffset + 4 + kFileHeaderSize;
    const auto optional = file.ReadAt(optionalOffset, optionalSize);
    const auto table = file.ReadAt(optionalOffset + optionalSize, kSectionHeaderSize * sectionCount);
    if (!optional || !table || optionalSize < 2) return std::nullopt;
    PeLayout layout;
    if (!ReadResourceDirectory(ByteReader(*optional), layout)) return std::nullopt;
    layout.sections = ReadSections(ByteReader(*table), sectionCount);
    return layout;
}

}  // namespace

std::uint32_t PeSection::extent() const { return virtualSize == 0 ? rawSize : std::min(rawSize, virtualSize); }

std::optional<FileSpan> PeLayout::Map(std::uint32_t rva, std::uint64_t fileSize) const {
    for (const PeSection& s : sections) {
        const std::uint64_t extent = s.extent();
        if (rva < s.virtualAddress || rva - s.virtualAddress >= extent) continue;
        const std::uint64_t delta = rva - s.virtualAddress;
        const std::uint64_t offset = std::uint64_t{s.rawOffset} + delta;
        if (offset >= fileSize) return std::nullopt;
        // Only what the file really holds of the section counts.
        return FileSpan{offset, std::min(extent - delta, fileSize - offset)};
    }
    return std::nullopt;
}

std::optional<PeLayout> ReadPeLayout(const RandomAccessFile& file) {
    try {
        return ParseHeaders(file);
    } catch (const ReadError&) {
        return std::nullopt;
    }
}

}  // namespace zorvane

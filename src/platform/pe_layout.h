#pragma once
// The parts of a PE file's headers that locate its resources: the section table and the
// resource data directory, for PE32 and PE32+ alike.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/random_access_file.h"

namespace zorvane {

struct PeSection {
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;

    // Bytes of the section present in the file: a virtual size of 0 means the raw size counts.
    std::uint32_t extent() const;
};

// Where an address lands in the file and how many bytes of its section follow it there.
struct FileSpan {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

struct PeLayout {
    bool pe32plus = false;
    std::vector<PeSection> sections;
    std::uint32_t resourceRva = 0;  // 0 when the module has no resources
    std::uint32_t resourceSize = 0;

    // Maps an address through the section table, or nothing when no section holds it.
    std::optional<FileSpan> Map(std::uint32_t rva, std::uint64_t fileSize) const;
};

// Reads the DOS header, the PE signature, the file and optional headers and the section
// table. Nothing when the file is not a PE image in either format.
std::optional<PeLayout> ReadPeLayout(const RandomAccessFile& file);

}  // namespace zorvane

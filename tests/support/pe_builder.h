#pragma once
// Builds small PE modules in memory with a well-formed resource tree, for tests that need
// exact layouts or damage them on purpose.

#include <cstdint>
#include <vector>

#include "platform/resource_name.h"

namespace zorvane::test {

struct PeResource {
    std::uint32_t type = 3;
    ResourceName name = ResourceName::Id(1);
    std::uint16_t language = 0;
    std::vector<std::uint8_t> bytes;
    bool inOtherSection = false;  // data placed in a second section, outside the resource section
};

struct BuiltPe {
    std::vector<std::uint8_t> bytes;
    std::uint64_t resourceSection = 0;        // file offset of the resource section (root table)
    std::uint64_t resourceSectionHeader = 0;  // file offset of its 40-byte section header
    std::vector<std::uint64_t> dataEntries;   // file offsets of the data entries, in tree order
};

// Resources are sorted as a resource compiler stores them: types ascending, names with
// strings first, languages ascending.
BuiltPe MakePeModule(const std::vector<PeResource>& resources, bool pe32plus = true);

// A group-icon resource naming images (width, height, bit count, size, resource id).
struct GroupImage {
    std::uint8_t width = 16, height = 16;
    std::uint16_t bitCount = 8;
    std::uint32_t size = 0;
    std::uint16_t id = 1;
};
std::vector<std::uint8_t> MakeGroupResource(const std::vector<GroupImage>& images);

}  // namespace zorvane::test

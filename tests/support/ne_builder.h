#pragma once
// Builds small 16-bit (NE) modules in memory: no NE linker is packaged, so the NE fixtures
// are laid out here from a description of their resources.

#include <cstdint>
#include <vector>

#include "platform/resource_name.h"

namespace zorvane::test {

struct NeResource {
    ResourceName type = ResourceName::Id(3);
    ResourceName name = ResourceName::Id(1);
    std::vector<std::uint8_t> bytes;
};

struct BuiltNe {
    std::vector<std::uint8_t> bytes;
    std::uint64_t resourceTable = 0;  // file offset of the resource table (its shift word)
};

// Types are stored in the order they first appear, each with its resources in the order
// given; data follows the tables, each resource aligned and padded to 1 << shift bytes.
BuiltNe MakeNeModule(const std::vector<NeResource>& resources, std::uint16_t shift = 4);

// The group resource and image resources of an icon file, as a resource compiler stores
// them: images numbered from firstId in directory order.
std::vector<NeResource> IconFileResources(const std::vector<std::uint8_t>& ico, const ResourceName& group,
                                          std::uint16_t firstId);

}  // namespace zorvane::test

namespace zorvane::test {

// The NE fixtures, built from the fixture icon files: groups numbered and named, named and
// numbered extra types, alignment shifts 4 and 9, and an icon library with only icons.
struct NeFixture {
    const char* fileName;
    BuiltNe module;
    std::vector<const char*> groups;  // in table order, as their names read
};
std::vector<NeFixture> NeFixtures();

}  // namespace zorvane::test

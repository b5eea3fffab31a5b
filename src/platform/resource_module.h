#pragma once
// A module opened as a data file, whatever its format: the resources of one type by name,
// their languages and bytes, read without loading or running anything. PE and NE modules
// both stand behind this, so that everything above reads them alike.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/random_access_file.h"
#include "platform/resource_name.h"

namespace zorvane {

constexpr std::uint32_t kResourceTypeCursor = 1;
constexpr std::uint32_t kResourceTypeIcon = 3;
constexpr std::uint32_t kResourceTypeGroupCursor = 12;
constexpr std::uint32_t kResourceTypeGroupIcon = 14;

// One stored resource: its language and where its bytes are.
struct ResourceLocation {
    std::uint16_t language = 0;
    std::uint32_t size = 0;
    std::uint64_t fileOffset = 0;
};

class ResourceModule {
public:
    virtual ~ResourceModule() = default;

    std::uint64_t fileSize() const { return file().size(); }
    std::uint64_t bytesRead() const { return file().bytesRead(); }

    // Names of every resource of a type, in the order stored. Damaged entries are left out.
    virtual std::vector<ResourceName> Names(std::uint32_t type) const = 0;

    // The resource of that type and name: the given language when stored, else language 0,
    // else the first language stored. Nothing when absent or damaged.
    virtual std::optional<ResourceLocation> Find(std::uint32_t type, const ResourceName& name,
                                                 std::optional<std::uint16_t> language = std::nullopt) const = 0;

    // The bytes of a found resource, or nothing when they cannot be read.
    std::optional<std::vector<std::uint8_t>> Load(const ResourceLocation& where) const;
    // The bytes of several found resources appended to out back to back, in the order given,
    // read in one pass in file order. False, with out as it was, when one cannot be read.
    bool LoadAll(std::span<const ResourceLocation> where, std::vector<std::uint8_t>& out) const;

protected:
    virtual const RandomAccessFile& file() const = 0;
};

// The file as a PE or NE module, or nothing when it is neither.
std::unique_ptr<ResourceModule> OpenResourceModule(const std::string& path);

}  // namespace zorvane

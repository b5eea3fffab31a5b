#pragma once
// A 16-bit (NE) module opened as a data file: its resource table read once, the resources
// asked for read from disk. NE resources carry no language; every one is language 0.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/random_access_file.h"
#include "platform/resource_module.h"

namespace zorvane {

class NeModule : public ResourceModule {
public:
    // The module, or nothing when the file is no NE module or its resource table is damaged
    // (cut short, an alignment shift above 15, counts the table cannot hold).
    static std::optional<NeModule> Open(const std::string& path);

    // In the order of the resource table.
    std::vector<ResourceName> Names(std::uint32_t type) const override;
    std::optional<ResourceLocation> Find(std::uint32_t type, const ResourceName& name,
                                         std::optional<std::uint16_t> language = std::nullopt) const override;

    struct Resource {
        std::optional<std::uint32_t> type;  // nothing for a type known only by a string name
        std::optional<ResourceName> name;   // nothing when its string lies outside the table
        std::uint64_t offset = 0;           // in bytes, the alignment shift applied
        std::uint64_t length = 0;
        std::uint64_t padding = 0;  // one alignment unit less one byte
    };

private:
    const RandomAccessFile& file() const override { return file_; }
    NeModule(RandomAccessFile file, std::vector<Resource> resources);

    RandomAccessFile file_;
    std::vector<Resource> resources_;  // in table order
    // Those with a numbered type and a readable name, by type and name, then in table order:
    // a look-up searches by halves instead of walking the table.
    std::vector<std::size_t> byName_;
};

}  // namespace zorvane

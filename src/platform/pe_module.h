#pragma once
// A module opened as a data file: its resources read straight from the PE resource tree
// (type, name, language), without loading or running anything. Only the headers, the
// directory tables on the way and the resources asked for are read from disk.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/pe_layout.h"
#include "platform/random_access_file.h"
#include "platform/resource_module.h"

namespace zorvane {

class PeModule : public ResourceModule {
public:
    // The module, or nothing when the file cannot be opened as a module.
    static std::optional<PeModule> Open(const std::string& path);

    bool pe32plus() const { return layout_.pe32plus; }

    // In the order stored: string names first, then ids ascending in a well-formed file.
    std::vector<ResourceName> Names(std::uint32_t type) const override;
    std::optional<ResourceLocation> Find(std::uint32_t type, const ResourceName& name,
                                         std::optional<std::uint16_t> language = std::nullopt) const override;

private:
    const RandomAccessFile& file() const override { return file_; }
    struct Entry {
        std::uint32_t name;    // high bit: offset of a string name
        std::uint32_t target;  // high bit: offset of a subdirectory, else of a data entry
    };
    using Table = std::vector<Entry>;
    // A named entry of a type's table and the table of its languages (nothing: a cycle).
    struct Named {
        ResourceName name;
        std::optional<std::uint32_t> languages;
        std::size_t stored = 0;  // its place in the table
    };
    // One type's entries, read once: its names in stored order, and every entry sorted by
    // name (stored order among equal names), so that a look-up takes no walk of the table.
    struct TypeIndex {
        std::vector<ResourceName> names;
        std::vector<Named> byName;
    };

    PeModule(RandomAccessFile file, PeLayout layout, std::optional<FileSpan> resources)
        : file_(std::move(file)), layout_(std::move(layout)), resources_(resources) {}

    std::optional<std::vector<std::uint8_t>> ReadDirectoryBytes(std::uint64_t off, std::uint64_t len) const;
    const Table* TableAt(std::uint32_t off) const;
    std::optional<Table> ReadTable(std::uint32_t off) const;
    std::optional<ResourceName> NameOf(const Entry& e) const;
    std::optional<std::uint32_t> Subdirectory(std::uint32_t tableOffset, const ResourceName& name,
                                              std::vector<std::uint32_t>& visited) const;
    std::optional<ResourceLocation> DataEntry(const Entry& leaf) const;
    TypeIndex ReadTypeIndex(std::uint32_t type) const;
    const TypeIndex& IndexOf(std::uint32_t type) const;

    RandomAccessFile file_;
    PeLayout layout_;
    std::optional<FileSpan> resources_;  // the resource directory's bytes in the file
    mutable std::map<std::uint32_t, std::optional<Table>> tables_;
    mutable std::map<std::uint32_t, TypeIndex> types_;
};

}  // namespace zorvane

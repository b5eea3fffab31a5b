#include "platform/pe_module.h"

#include <algorithm>
#include <tuple>

#include "platform/byte_reader.h"

namespace zorvane {
namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::uint64_t kTableHeaderSize = 16;
constexpr std::uint64_t kTableEntrySize = 8;
constexpr std::uint64_t kDataEntrySize = 16;

bool IsNamed(std::uint32_t name) { return (name & kHighBit) != 0; }
bool IsDirectory(std::uint32_t target) { return (target & kHighBit) != 0; }
std::uint32_t OffsetOf(std::uint32_t field) { return field & ~kHighBit; }
bool Contains(const std::vector<std::uint32_t>& v, std::uint32_t x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

}  // namespace

std::optional<PeModule> PeModule::Open(const std::string& path) {
    auto file = RandomAccessFile::Open(path);
    if (!file) return std::nullopt;
    auto layout = ReadPeLayout(*file);
    if (!layout) return std::nullopt;
    std::optional<FileSpan> resources;
    if (layout->resourceRva != 0) resources = layout->Map(layout->resourceRva, file->size());
    return PeModule(std::move(*file), std::move(*layout), resources);
}

std::optional<std::vector<std::uint8_t>> PeModule::ReadDirectoryBytes(std::uint64_t off, std::uint64_t len) const {
    if (!resources_ || !RangeFits(off, len, resources_->length)) return std::nullopt;
    return file_.ReadAt(resources_->offset + off, len);
}

std::optional<PeModule::Table> PeModule::ReadTable(std::uint32_t off) const {
    const auto header = ReadDirectoryBytes(off, kTableHeaderSize);
    if (!header) return std::nullopt;
    const ByteReader h(*header);
    // A count larger than the section can hold is cut to what fits.
    const std::uint64_t fits = (resources_->length - off - kTableHeaderSize) / kTableEntrySize;
    const std::uint64_t count = std::min<std::uint64_t>(std::uint64_t{h.u16le(12)} + h.u16le(14), fits);
    const auto body = ReadDirectoryBytes(off + kTableHeaderSize, count * kTableEntrySize);
    if (!body) return std::nullopt;
    const ByteReader b(*body);
    Table table;
    table.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i)
        table.push_back({b.u32le(i * kTableEntrySize), b.u32le(i * kTableEntrySize + 4)});
    return table;
}

const PeModule::Table* PeModule::TableAt(std::uint32_t off) const {
    auto it = tables_.find(off);
    if (it == tables_.end()) it = tables_.emplace(off, ReadTable(off)).first;
    return it->second ? &*it->second : nullptr;
}

std::optional<ResourceName> PeModule::NameOf(const Entry& e) const {
    if (!IsNamed(e.name)) return ResourceName::Id(e.name);
    const auto length = ReadDirectoryBytes(OffsetOf(e.name), 2);
    if (!length) return std::nullopt;
    const std::uint64_t units = ByteReader(*length).u16le(0);
    const auto chars = ReadDirectoryBytes(std::uint64_t{OffsetOf(e.name)} + 2, units * 2);
    if (!chars) return std::nullopt;
    return ResourceName::Named(ByteReader(*chars).utf16le(0, units));
}

// The subdirectory that the entry called name of the table at tableOffset points to.
// A table already on the path is a cycle and is not entered again.
std::optional<std::uint32_t> PeModule::Subdirectory(std::uint32_t tableOffset, const ResourceName& name,
                                                    std::vector<std::uint32_t>& visited) const {
    visited.push_back(tableOffset);
    const Table* table = TableAt(tableOffset);
    if (!table) return std::nullopt;
    for (const Entry& e : *table) {
        if (!IsDirectory(e.target) || IsNamed(e.name) != name.named) continue;
        if (NameOf(e) != name) continue;
        if (Contains(visited, OffsetOf(e.target))) return std::nullopt;
        return OffsetOf(e.target);
    }
    return std::nullopt;
}

PeModule::TypeIndex PeModule::ReadTypeIndex(std::uint32_t type) const {
    std::vector<std::uint32_t> visited;
    const auto typeTable = Subdirectory(0, ResourceName::Id(type), visited);
    TypeIndex index;
    if (!typeTable) return index;
    visited.push_back(*typeTable);
    const Table* table = TableAt(*typeTable);
    if (!table) return index;
    for (const Entry& e : *table) {
        if (!IsDirectory(e.target)) continue;
        auto name = NameOf(e);
        if (!name) continue;
        // An entry that leads back up is listed nowhere and found as nothing.
        const bool cycle = Contains(visited, OffsetOf(e.target));
        if (!cycle) index.names.push_back(*name);
        index.byName.push_back(
            {std::move(*name), cycle ? std::nullopt : std::optional(OffsetOf(e.target)), index.byName.size()});
    }
    std::sort(index.byName.begin(), index.byName.end(),
              [](const Named& a, const Named& b) { return std::tie(a.name, a.stored) < std::tie(b.name, b.stored); });
    return index;
}

const PeModule::TypeIndex& PeModule::IndexOf(std::uint32_t type) const {
    auto it = types_.find(type);
    if (it == types_.end()) it = types_.emplace(type, ReadTypeIndex(type)).first;
    return it->second;
}

std::vector<ResourceName> PeModule::Names(std::uint32_t type) const { return IndexOf(type).names; }

std::optional<ResourceLocation> PeModule::DataEntry(const Entry& leaf) const {
    const auto bytes = ReadDirectoryBytes(leaf.target, kDataEntrySize);
    if (!bytes) return std::nullopt;
    const ByteReader r(*bytes);
    const std::uint32_t rva = r.u32le(0);
    const std::uint32_t size = r.u32le(4);
    // The data may lie in any section, not only the resource section.
    const auto span = layout_.Map(rva, file_.size());
    if (!span || size > span->length) return std::nullopt;
    return ResourceLocation{static_cast<std::uint16_t>(IsNamed(leaf.name) ? 0 : leaf.name), size, span->offset};
}

std::optional<ResourceLocation> PeModule::Find(std::uint32_t type, const ResourceName& name,
                                               std::optional<std::uint16_t> language) const {
    // The first entry of that name counts, as in a walk of the table.
    const auto& byName = IndexOf(type).byName;
    const auto named = std::lower_bound(byName.begin(), byName.end(), name,
                                        [](const Named& n, const ResourceName& wanted) { return n.name < wanted; });
    if (named == byName.end() || named->name != name || !named->languages) return std::nullopt;
    const Table* table = TableAt(*named->languages);
    if (!table) return std::nullopt;
    std::vector<const Entry*> order;
    for (std::uint32_t wanted : {std::uint32_t{language.value_or(0)}, std::uint32_t{0}})
        for (const Entry& e : *table)
            if (!IsNamed(e.name) && e.name == wanted) order.push_back(&e);
    for (const Entry& e : *table) order.push_back(&e);
    for (const Entry* e : order) {
        if (IsDirectory(e->target)) continue;  // the tree has exactly three levels
        if (auto found = DataEntry(*e)) return found;
    }
    return std::nullopt;
}

}  // namespace zorvane

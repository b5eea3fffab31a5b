#include "core/icon_extraction.h"

#include <algorithm>

#include "platform/byte_reader.h"

namespace zorvane {
namespace {

constexpr std::uint64_t kGroupHeaderSize = 6;
constexpr std::uint64_t kGroupEntrySize = 14;

struct GroupEntry {
    IconDirEntry entry;  // without its image offset
    std::uint16_t imageId = 0;
};

// The group's entries, or nothing when the resource is shorter than its count says.
std::optional<std::vector<GroupEntry>> ParseGroup(const std::vector<std::uint8_t>& bytes) {
    const ByteReader r(bytes);
    if (!r.has(0, kGroupHeaderSize)) return std::nullopt;
    const std::uint16_t count = r.u16le(4);
    if (!r.has(kGroupHeaderSize, kGroupEntrySize * count)) return std::nullopt;
    std::vector<GroupEntry> entries(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t o = kGroupHeaderSize + kGroupEntrySize * i;
        entries[i].entry = ReadCommonEntryFields(r, o);
        entries[i].imageId = r.u16le(o + 12);
    }
    return entries;
}

// Header and directory with the images placed back to back after it; nothing when the
// group would be absurdly large.
std::optional<std::vector<std::uint8_t>> BuildDirectory(const std::vector<GroupEntry>& entries) {
    std::vector<std::uint8_t> out;
    AppendIconHeader(out, static_cast<std::uint16_t>(entries.size()));
    std::uint64_t offset = kIconHeaderSize + kIconDirEntrySize * entries.size();
    for (const GroupEntry& g : entries) {
        if (offset > kMaxIconGroupBytes) return std::nullopt;
        IconDirEntry e = g.entry;
        e.imageOffset = static_cast<std::uint32_t>(offset);
        AppendDirEntry(out, e);
        offset += e.imageSize;
    }
    if (offset > kMaxIconGroupBytes) return std::nullopt;
    return out;
}

// Appends each image's first imageSize bytes; false when one is missing or too short.
bool AppendImages(const PeModule& module, const std::vector<GroupEntry>& entries, std::uint16_t language,
                  std::vector<std::uint8_t>& out) {
    for (const GroupEntry& g : entries) {
        const auto image = CopyIconImageResource(module, g.imageId, language, g.entry.imageSize);
        if (!image || image->size() < g.entry.imageSize) return false;
        out.insert(out.end(), image->begin(), image->end());
    }
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> CopyIconImageResource(const PeModule& module, std::uint16_t id,
                                                               std::optional<std::uint16_t> language,
                                                               std::uint64_t maxBytes) {
    auto where = module.Find(kResourceTypeIcon, ResourceName::Id(id), language);
    if (!where) return std::nullopt;
    // Only the bytes wanted are read: a group may name one large resource many times.
    where->size = static_cast<std::uint32_t>(std::min<std::uint64_t>(where->size, maxBytes));
    return module.Load(*where);
}

void BuildIconFileFromGroup(const PeModule& module, const ResourceName& group, TIconStream& stream) {
    const auto where = module.Find(kResourceTypeGroupIcon, group);
    if (!where) return;
    const auto bytes = module.Load(*where);
    if (!bytes) return;
    const auto entries = ParseGroup(*bytes);
    if (!entries || entries->empty()) return;
    auto out = BuildDirectory(*entries);
    if (!out || !AppendImages(module, *entries, where->language, *out)) return;
    stream.write(*out);
}

void LoadIconGroup(TIconStream& stream, const PeModule& module, int index) {
    const auto names = module.Names(kResourceTypeGroupIcon);
    if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return;
    BuildIconFileFromGroup(module, names[static_cast<std::size_t>(index)], stream);
}

void LoadIconGroup(TIconStream& stream, const std::string& path, int index) {
    if (const auto module = PeModule::Open(path)) LoadIconGroup(stream, *module, index);
}

std::vector<ResourceName> IconGroupNames(const std::string& path) {
    const auto module = PeModule::Open(path);
    return module ? module->Names(kResourceTypeGroupIcon) : std::vector<ResourceName>{};
}

}  // namespace zorvane

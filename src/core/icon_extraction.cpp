#include "core/icon_extraction.h"

#include <algorithm>

#include "platform/byte_reader.h"

namespace zorvane {
namespace {

constexpr std::uint64_t kGroupHeaderSize = 6;
constexpr std::uint64_t kGroupEntrySize = 14;
constexpr std::uint64_t kHotSpotSize = 4;

struct GroupEntry {
    IconDirEntry entry;  // without its image offset
    std::uint16_t imageId = 0;
};

// A cursor group stores width and doubled height as words where an icon group has bytes.
IconDirEntry CursorGroupFields(const ByteReader& r, std::uint64_t o) {
    IconDirEntry e;
    e.width = static_cast<std::uint8_t>(r.u16le(o));  // 256 becomes 0, as in a file
    e.height = static_cast<std::uint8_t>(r.u16le(o + 2) / 2);
    e.imageSize = r.u32le(o + 8);
    return e;
}

// The group's entries, or nothing when the resource is shorter than its count says.
std::optional<std::vector<GroupEntry>> ParseGroup(const std::vector<std::uint8_t>& bytes, bool cursors) {
    const ByteReader r(bytes);
    if (!r.has(0, kGroupHeaderSize)) return std::nullopt;
    const std::uint16_t count = r.u16le(4);
    if (!r.has(kGroupHeaderSize, kGroupEntrySize * count)) return std::nullopt;
    std::vector<GroupEntry> entries(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t o = kGroupHeaderSize + kGroupEntrySize * i;
        entries[i].entry = cursors ? CursorGroupFields(r, o) : ReadCommonEntryFields(r, o);
        entries[i].imageId = r.u16le(o + 12);
    }
    return entries;
}

// Header and directory with the images placed back to back after it; nothing when the
// group would be absurdly large.
std::optional<std::vector<std::uint8_t>> BuildDirectory(const std::vector<IconDirEntry>& entries,
                                                        std::uint16_t fileType) {
    std::vector<std::uint8_t> out;
    AppendIconHeader(out, static_cast<std::uint16_t>(entries.size()), fileType);
    std::uint64_t offset = kIconHeaderSize + kIconDirEntrySize * entries.size();
    for (IconDirEntry e : entries) {
        if (offset > kMaxIconGroupBytes) return std::nullopt;
        e.imageOffset = static_cast<std::uint32_t>(offset);
        AppendDirEntry(out, e);
        offset += e.imageSize;
    }
    if (offset > kMaxIconGroupBytes) return std::nullopt;
    return out;
}

std::optional<std::vector<std::uint8_t>> CopyImage(const ResourceModule& module, const GroupQuery& query,
                                                   std::uint16_t id, std::uint16_t language, std::uint64_t maxBytes) {
    auto where = module.Find(query.imageType(), ResourceName::Id(id), language);
    if (!where || where->language != language) return std::nullopt;
    // Only the bytes wanted are read: a group may name one large resource many times.
    where->size = static_cast<std::uint32_t>(std::min<std::uint64_t>(where->size, maxBytes));
    return module.Load(*where);
}

// Each entry's image in one language, at least as long as the entry says (cut to it);
// nothing when one is missing or short.
std::optional<std::vector<std::vector<std::uint8_t>>> ImagesIn(const ResourceModule& module, const GroupQuery& query,
                                                               const std::vector<GroupEntry>& entries,
                                                               std::uint16_t language) {
    std::vector<std::vector<std::uint8_t>> images;
    for (const GroupEntry& g : entries) {
        auto image = CopyImage(module, query, g.imageId, language, g.entry.imageSize);
        if (!image || image->size() < g.entry.imageSize) return std::nullopt;
        images.push_back(std::move(*image));
    }
    return images;
}

// The images in the group's language, else neutral, else the first image's first stored.
std::optional<std::vector<std::vector<std::uint8_t>>> ImagesInOneLanguage(const ResourceModule& module,
                                                                          const GroupQuery& query,
                                                                          const std::vector<GroupEntry>& entries,
                                                                          std::uint16_t groupLanguage) {
    std::vector<std::uint16_t> order;
    const auto add = [&order](std::uint16_t language) {
        if (std::find(order.begin(), order.end(), language) == order.end()) order.push_back(language);
    };
    add(groupLanguage);
    add(0);
    if (const auto first = module.Find(query.imageType(), ResourceName::Id(entries[0].imageId))) add(first->language);
    for (std::uint16_t language : order)
        if (auto images = ImagesIn(module, query, entries, language)) return images;
    return std::nullopt;
}

// A cursor image resource starts with its hot spot, which the file keeps in the directory
// entry instead; the colour count, which the group does not keep, follows from the image's
// bit count. Nothing when the image is too short to hold a hot spot and a header.
std::optional<IconDirEntry> CursorFileEntry(IconDirEntry e, const std::vector<std::uint8_t>& image) {
    const ByteReader r(image);
    if (!r.has(0, kHotSpotSize + 16)) return std::nullopt;
    e.planes = r.u16le(0);
    e.bitCount = r.u16le(2);
    const bool dib = r.u32le(kHotSpotSize) == 40;
    const std::uint16_t bits = dib ? r.u16le(kHotSpotSize + 14) : 32;
    e.colorCount = static_cast<std::uint8_t>(bits < 8 ? 1u << bits : 0u);
    e.imageSize = static_cast<std::uint32_t>(image.size() - kHotSpotSize);
    return e;
}

bool WriteGroup(const ResourceModule& module, const GroupQuery& query, const std::vector<GroupEntry>& entries,
                std::uint16_t language, TIconStream& stream) {
    const auto images = ImagesInOneLanguage(module, query, entries, language);
    if (!images) return false;
    std::vector<IconDirEntry> dir;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto e = query.cursors ? CursorFileEntry(entries[i].entry, (*images)[i]) : entries[i].entry;
        if (!e) return false;
        dir.push_back(*e);
    }
    auto out = BuildDirectory(dir, query.cursors ? 2 : 1);
    if (!out) return false;
    const std::size_t skip = query.cursors ? kHotSpotSize : 0;
    for (const auto& image : *images)
        out->insert(out->end(), image.begin() + static_cast<std::ptrdiff_t>(skip), image.end());
    stream.write(*out);
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> CopyIconImageResource(const ResourceModule& module, std::uint16_t id,
                                                               std::optional<std::uint16_t> language,
                                                               std::uint64_t maxBytes) {
    auto where = module.Find(kResourceTypeIcon, ResourceName::Id(id), language);
    if (!where) return std::nullopt;
    where->size = static_cast<std::uint32_t>(std::min<std::uint64_t>(where->size, maxBytes));
    return module.Load(*where);
}

void BuildIconFileFromGroup(const ResourceModule& module, const ResourceName& group, TIconStream& stream,
                            const GroupQuery& query) {
    const auto where = module.Find(query.groupType(), group, query.language);
    if (!where) return;
    const auto bytes = module.Load(*where);
    if (!bytes) return;
    const auto entries = ParseGroup(*bytes, query.cursors);
    if (!entries || entries->empty()) return;
    WriteGroup(module, query, *entries, where->language, stream);
}

void LoadIconGroup(TIconStream& stream, const ResourceModule& module, int index, const GroupQuery& query) {
    const auto names = module.Names(query.groupType());
    if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return;
    BuildIconFileFromGroup(module, names[static_cast<std::size_t>(index)], stream, query);
}

void LoadIconGroup(TIconStream& stream, const std::string& path, int index, const GroupQuery& query) {
    if (const auto module = OpenResourceModule(path)) LoadIconGroup(stream, *module, index, query);
}

std::vector<ResourceName> IconGroupNames(const std::string& path, const GroupQuery& query) {
    const auto module = OpenResourceModule(path);
    return module ? module->Names(query.groupType()) : std::vector<ResourceName>{};
}

std::vector<GroupLabel> GroupLabels(const ResourceModule& module, const GroupQuery& query) {
    std::vector<GroupLabel> labels;
    for (ResourceName& name : module.Names(query.groupType())) {
        const auto where = module.Find(query.groupType(), name, query.language);
        labels.push_back({std::move(name), where ? where->language : std::uint16_t{0}});
    }
    return labels;
}

}  // namespace zorvane

#include "core/icon_extraction.h"

#include <algorithm>
#include <span>

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

// Gives each entry its image offset, the images back to back after the directory; nothing
// when the group would be absurdly large.
bool PlaceImages(std::vector<IconDirEntry>& dir) {
    std::uint64_t offset = kIconHeaderSize + kIconDirEntrySize * dir.size();
    for (IconDirEntry& e : dir) {
        if (offset > kMaxIconGroupBytes) return false;
        e.imageOffset = static_cast<std::uint32_t>(offset);
        offset += e.imageSize;
    }
    return offset <= kMaxIconGroupBytes;
}

// Where each entry's image lies in one language, cut to the entry's size; nothing when one
// is missing or shorter than its entry says.
std::optional<std::vector<ResourceLocation>> ImagesIn(const ResourceModule& module, const GroupQuery& query,
                                                      const std::vector<GroupEntry>& entries, std::uint16_t language) {
    std::vector<ResourceLocation> images;
    images.reserve(entries.size());
    for (const GroupEntry& g : entries) {
        auto where = module.Find(query.imageType(), ResourceName::Id(g.imageId), language);
        if (!where || where->language != language || where->size < g.entry.imageSize) return std::nullopt;
        // Only the bytes wanted are read: a group may name one large resource many times.
        where->size = g.entry.imageSize;
        images.push_back(*where);
    }
    return images;
}

// The images in the group's language, else neutral, else the first image's first stored.
std::optional<std::vector<ResourceLocation>> ImagesInOneLanguage(const ResourceModule& module, const GroupQuery& query,
                                                                 const std::vector<GroupEntry>& entries,
                                                                 std::uint16_t groupLanguage) {
    if (auto images = ImagesIn(module, query, entries, groupLanguage)) return images;
    if (groupLanguage != 0)
        if (auto images = ImagesIn(module, query, entries, 0)) return images;
    const auto first = module.Find(query.imageType(), ResourceName::Id(entries[0].imageId));
    if (!first || first->language == groupLanguage || first->language == 0) return std::nullopt;
    return ImagesIn(module, query, entries, first->language);
}

// A cursor image resource starts with its hot spot, which the file keeps in the directory
// entry instead; the colour count, which the group does not keep, follows from the image's
// bit count. The image holds at least a hot spot and a header.
IconDirEntry CursorFileEntry(IconDirEntry e, std::span<const std::uint8_t> image) {
    const ByteReader r(image);
    e.planes = r.u16le(0);
    e.bitCount = r.u16le(2);
    const bool dib = r.u32le(kHotSpotSize) == 40;
    const std::uint16_t bits = dib ? r.u16le(kHotSpotSize + 14) : 32;
    e.colorCount = static_cast<std::uint8_t>(bits < 8 ? 1u << bits : 0u);
    return e;
}

// The cursor images, read back to back from first, lose their hot spots, which go into the
// directory instead; each moves down over the hot spots before it.
void MoveHotSpotsIntoDirectory(std::vector<std::uint8_t>& out, std::vector<IconDirEntry>& dir, std::uint64_t first) {
    std::uint64_t from = first;
    for (IconDirEntry& e : dir) {
        const std::uint64_t stored = e.imageSize + kHotSpotSize;
        e = CursorFileEntry(e, std::span(out).subspan(from, stored));
        const auto image = out.begin() + static_cast<std::ptrdiff_t>(from + kHotSpotSize);
        std::copy(image, image + e.imageSize, out.begin() + e.imageOffset);
        from += stored;
    }
    out.resize(from - kHotSpotSize * dir.size());
}

// The group into the stream's own buffer (kept from group to group): header, directory,
// then the images read straight behind it in one pass over the module.
bool WriteGroup(const ResourceModule& module, const GroupQuery& query, const std::vector<GroupEntry>& entries,
                std::uint16_t language, TIconStream& stream) {
    const auto images = ImagesInOneLanguage(module, query, entries, language);
    if (!images) return false;
    std::vector<IconDirEntry> dir;
    dir.reserve(entries.size());
    for (const GroupEntry& g : entries) {
        if (query.cursors && g.entry.imageSize < kHotSpotSize + 16) return false;
        dir.push_back(g.entry);
        if (query.cursors) dir.back().imageSize -= static_cast<std::uint32_t>(kHotSpotSize);
    }
    if (!PlaceImages(dir)) return false;
    stream.clear();
    auto& out = stream.buffer();
    AppendIconHeader(out, static_cast<std::uint16_t>(dir.size()), query.cursors ? 2 : 1);
    const std::uint64_t first = kIconHeaderSize + kIconDirEntrySize * dir.size();
    out.resize(first);
    if (!module.LoadAll(*images, out)) {
        stream.clear();
        return false;
    }
    if (query.cursors) MoveHotSpotsIntoDirectory(out, dir, first);
    for (std::size_t i = 0; i < dir.size(); ++i) SetDirEntry(stream, static_cast<int>(i), dir[i]);
    stream.seek(out.size());
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

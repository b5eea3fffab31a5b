#include "platform/ne_module.h"

#include <algorithm>
#include <tuple>

#include "platform/byte_reader.h"
#include "platform/text_encoding.h"
#include "platform/module_signatures.h"

namespace zorvane {
namespace {

constexpr std::uint64_t kNeHeaderSize = 0x40;
constexpr std::uint64_t kResourceTableField = 0x24;
constexpr std::uint64_t kResidentNamesField = 0x26;
constexpr std::uint16_t kNumbered = 0x8000;
constexpr std::uint16_t kMaxShift = 15;
// Name offsets are 16-bit from the table's start and a name is at most 255 bytes, so
// nothing the table refers to lies further out than this.
constexpr std::uint64_t kMaxTableExtent = 0x10000 + 0x100;

std::u16string Utf16Of(std::u32string_view points) {
    std::u16string out;
    for (char32_t c : points) {
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
            continue;
        }
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
    return out;
}

// A length-prefixed string at off from the table's start, in the files' code page.
std::optional<ResourceName> NameAt(const ByteReader& table, std::uint16_t off) {
    if (!table.has(off, 1) || !table.has(std::uint64_t{off} + 1, table.u8(off))) return std::nullopt;
    const auto chars = table.bytes(std::uint64_t{off} + 1, table.u8(off));
    const std::string ansi(chars.begin(), chars.end());
    return ResourceName::Named(Utf16Of(DecodeUtf8(AnsiToUtf8(ansi))));
}

std::optional<ResourceName> IdOrName(const ByteReader& table, std::uint16_t field) {
    if (field & kNumbered) return ResourceName::Id(field & 0x7FFFu);
    return NameAt(table, field);
}

// Type records until the 0 that ends them, each followed by its name records. Raises
// ReadError when the records run past the table or the shift is out of range.
std::vector<NeModule::Resource> ParseTable(const ByteReader& table) {
    ByteReader r = table;
    const std::uint16_t shift = r.readU16le();
    if (shift > kMaxShift) throw ReadError();
    std::vector<NeModule::Resource> resources;
    for (std::uint16_t type = r.readU16le(); type != 0; type = r.readU16le()) {
        const std::uint16_t count = r.readU16le();
        r.skip(4);
        // The whole run must fit before anything is kept of it: a count of 65535 is refused.
        if (!r.has(r.tell(), 12ull * count)) throw ReadError();
        for (std::uint16_t i = 0; i < count; ++i) {
            NeModule::Resource res;
            if (type & kNumbered) res.type = type & 0x7FFFu;
            res.offset = std::uint64_t{r.readU16le()} << shift;
            res.length = std::uint64_t{r.readU16le()} << shift;
            res.padding = (std::uint64_t{1} << shift) - 1;
            r.skip(2);  // flags
            res.name = IdOrName(table, r.readU16le());
            r.skip(4);
            resources.push_back(std::move(res));
        }
    }
    return resources;
}

std::optional<std::vector<NeModule::Resource>> ReadResources(const RandomAccessFile& file) {
    const auto dos = file.ReadAt(0, 64);
    if (!dos || ByteReader(*dos).u16le(0) != kDosSignature) return std::nullopt;
    const std::uint64_t neOffset = ByteReader(*dos).u32le(0x3C);
    const auto header = file.ReadAt(neOffset, kNeHeaderSize);
    if (!header || ByteReader(*header).u16le(0) != kNeSignature) return std::nullopt;
    const ByteReader h(*header);
    // A module without resources has its resource table where the resident names start.
    if (h.u16le(kResourceTableField) == h.u16le(kResidentNamesField)) return std::vector<NeModule::Resource>{};
    const std::uint64_t tableStart = neOffset + h.u16le(kResourceTableField);
    if (tableStart >= file.size()) return std::nullopt;
    const auto table = file.ReadAt(tableStart, std::min(kMaxTableExtent, file.size() - tableStart));
    if (!table) return std::nullopt;
    return ParseTable(ByteReader(*table));
}

// What a resource is looked up by; only those with a numbered type and a name have one.
using Key = std::tuple<std::uint32_t, const ResourceName&>;
Key KeyOf(const NeModule::Resource& r) { return {*r.type, *r.name}; }

}  // namespace

NeModule::NeModule(RandomAccessFile file, std::vector<Resource> resources)
    : file_(std::move(file)), resources_(std::move(resources)) {
    for (std::size_t i = 0; i < resources_.size(); ++i)
        if (resources_[i].type && resources_[i].name) byName_.push_back(i);
    std::sort(byName_.begin(), byName_.end(), [this](std::size_t a, std::size_t b) {
        return std::tuple_cat(KeyOf(resources_[a]), std::tie(a)) < std::tuple_cat(KeyOf(resources_[b]), std::tie(b));
    });
}

std::optional<NeModule> NeModule::Open(const std::string& path) {
    auto file = RandomAccessFile::Open(path);
    if (!file) return std::nullopt;
    try {
        auto resources = ReadResources(*file);
        if (!resources) return std::nullopt;
        return NeModule(std::move(*file), std::move(*resources));
    } catch (const ReadError&) {
        return std::nullopt;
    }
}

std::vector<ResourceName> NeModule::Names(std::uint32_t type) const {
    std::vector<ResourceName> names;
    for (const Resource& r : resources_)
        if (r.type == type && r.name) names.push_back(*r.name);
    return names;
}

std::optional<ResourceLocation> NeModule::Find(std::uint32_t type, const ResourceName& name,
                                               std::optional<std::uint16_t>) const {
    const Key wanted(type, name);
    auto it = std::lower_bound(byName_.begin(), byName_.end(), wanted,
                               [this](std::size_t i, const Key& k) { return KeyOf(resources_[i]) < k; });
    for (; it != byName_.end() && KeyOf(resources_[*it]) == wanted; ++it) {
        const Resource& r = resources_[*it];
        if (r.offset > file_.size() || r.length > UINT32_MAX) continue;
        // The last resource may end where its bytes do, without the padding to a full unit.
        const std::uint64_t held = file_.size() - r.offset;
        if (r.length > held + r.padding) continue;
        return ResourceLocation{0, static_cast<std::uint32_t>(std::min(r.length, held)), r.offset};
    }
    return std::nullopt;
}

}  // namespace zorvane

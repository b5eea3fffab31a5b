#include "support/pe_builder.h"

#include <map>
#include <tuple>

namespace zorvane::test {
namespace {

constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kOtherSectionRva = 0x80000;
constexpr std::uint32_t kHeadersSize = 0x200;

using Key = std::tuple<int, std::u16string, std::uint32_t>;  // strings sort before ids
Key KeyOf(const ResourceName& n) { return {n.named ? 0 : 1, n.text, n.id}; }
using Languages = std::map<std::uint16_t, const PeResource*>;
using Names = std::map<Key, std::pair<ResourceName, Languages>>;
using Tree = std::map<std::uint32_t, Names>;

void Put16(std::vector<std::uint8_t>& v, std::uint64_t at, std::uint32_t x) {
    v[at] = static_cast<std::uint8_t>(x);
    v[at + 1] = static_cast<std::uint8_t>(x >> 8);
}
void Put32(std::vector<std::uint8_t>& v, std::uint64_t at, std::uint32_t x) {
    Put16(v, at, x & 0xFFFF);
    Put16(v, at + 2, x >> 16);
}
std::uint32_t Align(std::uint32_t x, std::uint32_t a) { return (x + a - 1) / a * a; }

class TreeWriter {
public:
    explicit TreeWriter(const Tree& tree) : tree_(tree) {}

    // Lays out tables, data entries, strings and data; returns the section size.
    std::uint32_t Layout() {
        std::uint32_t off = Table(tree_.size());
        for (const auto& [type, names] : tree_) {
            typeTables_[type] = off;
            off += Table(names.size());
        }
        for (const auto& [type, names] : tree_)
            for (const auto& [key, named] : names) {
                nameTables_[{type, key}] = off;
                off += Table(named.second.size());
            }
        for (const auto& [type, names] : tree_)
            for (const auto& [key, named] : names)
                for (std::size_t k = 0; k < named.second.size(); ++k) {
                    dataEntries_.push_back(off);
                    off += 16;
                }
        for (const auto& [type, names] : tree_)
            for (const auto& [key, named] : names)
                if (named.first.named) {
                    strings_[{type, key}] = off;
                    off = Align(off + 2 + 2 * static_cast<std::uint32_t>(named.first.text.size()), 4);
                }
        for (const auto& [type, names] : tree_)
            for (const auto& [key, named] : names)
                for (const auto& [lang, res] : named.second) {
                    if (res->inOtherSection) continue;
                    data_.push_back(off);
                    off = Align(off + static_cast<std::uint32_t>(res->bytes.size()), 8);
                }
        return off;
    }

    void Write(std::vector<std::uint8_t>& s, std::vector<std::uint8_t>& otherSection) {
        WriteTable(s, 0, tree_.size(), 0);
        std::size_t i = 0;
        for (const auto& [type, names] : tree_) {
            WriteEntry(s, 0, i++, type, typeTables_[type] | 0x80000000u);
            WriteTable(s, typeTables_[type], names.size(), CountNamed(names));
            std::size_t j = 0;
            for (const auto& [key, named] : names) {
                const std::uint32_t nameField = named.first.named ? (strings_[{type, key}] | 0x80000000u)
                                                                  : named.first.id;
                WriteEntry(s, typeTables_[type], j++, nameField, nameTables_[{type, key}] | 0x80000000u);
                if (named.first.named) WriteString(s, strings_[{type, key}], named.first.text);
                WriteLanguages(s, nameTables_[{type, key}], named.second, otherSection);
            }
        }
    }

    const std::vector<std::uint32_t>& dataEntries() const { return dataEntries_; }

private:
    static std::uint32_t Table(std::size_t entries) { return 16 + 8 * static_cast<std::uint32_t>(entries); }
    static std::size_t CountNamed(const Names& names) {
        std::size_t n = 0;
        for (const auto& [key, named] : names) n += named.first.named ? 1 : 0;
        return n;
    }
    static void WriteTable(std::vector<std::uint8_t>& s, std::uint32_t at, std::size_t count, std::size_t named) {
        Put16(s, at + 12, static_cast<std::uint32_t>(named));
        Put16(s, at + 14, static_cast<std::uint32_t>(count - named));
    }
    static void WriteEntry(std::vector<std::uint8_t>& s, std::uint32_t table, std::size_t i, std::uint32_t name,
                           std::uint32_t target) {
        Put32(s, table + 16 + 8 * i, name);
        Put32(s, table + 16 + 8 * i + 4, target);
    }
    static void WriteString(std::vector<std::uint8_t>& s, std::uint32_t at, const std::u16string& text) {
        Put16(s, at, static_cast<std::uint32_t>(text.size()));
        for (std::size_t k = 0; k < text.size(); ++k) Put16(s, at + 2 + 2 * k, text[k]);
    }
    void WriteLanguages(std::vector<std::uint8_t>& s, std::uint32_t table, const Languages& langs,
                        std::vector<std::uint8_t>& otherSection) {
        WriteTable(s, table, langs.size(), 0);
        std::size_t k = 0;
        for (const auto& [lang, res] : langs) {
            const std::uint32_t entry = dataEntries_[leaf_];
            WriteEntry(s, table, k++, lang, entry);
            std::uint32_t rva;
            if (res->inOtherSection) {
                rva = kOtherSectionRva + static_cast<std::uint32_t>(otherSection.size());
                otherSection.insert(otherSection.end(), res->bytes.begin(), res->bytes.end());
            } else {
                const std::uint32_t at = data_[dataIndex_++];
                std::copy(res->bytes.begin(), res->bytes.end(), s.begin() + at);
                rva = kSectionRva + at;
            }
            Put32(s, entry, rva);
            Put32(s, entry + 4, static_cast<std::uint32_t>(res->bytes.size()));
            ++leaf_;
        }
    }

    const Tree& tree_;
    std::map<std::uint32_t, std::uint32_t> typeTables_;
    std::map<std::pair<std::uint32_t, Key>, std::uint32_t> nameTables_, strings_;
    std::vector<std::uint32_t> dataEntries_, data_;
    std::size_t leaf_ = 0, dataIndex_ = 0;
};

void WriteSectionHeader(std::vector<std::uint8_t>& v, std::uint64_t at, const char* name, std::uint32_t size,
                        std::uint32_t rva, std::uint32_t rawOffset) {
    for (std::uint64_t i = 0; name[i]; ++i) v[at + i] = static_cast<std::uint8_t>(name[i]);
    Put32(v, at + 8, size);
    Put32(v, at + 12, rva);
    Put32(v, at + 16, Align(size, 0x200));
    Put32(v, at + 20, rawOffset);
}

}  // namespace

BuiltPe MakePeModule(const std::vector<PeResource>& resources, bool pe32plus) {
    Tree tree;
    for (const PeResource& r : resources) {
        auto& named = tree[r.type][KeyOf(r.name)];
        named.first = r.name;
        named.second[r.language] = &r;
    }
    TreeWriter writer(tree);
    const std::uint32_t size = writer.Layout();
    std::vector<std::uint8_t> section(Align(size, 0x200), 0), other;
    writer.Write(section, other);
    other.resize(Align(static_cast<std::uint32_t>(other.size()), 0x200));

    const std::uint32_t optionalSize = pe32plus ? 240 : 224;
    const std::uint32_t sections = other.empty() ? 1 : 2;
    std::vector<std::uint8_t> v(kHeadersSize, 0);
    v[0] = 'M';
    v[1] = 'Z';
    Put32(v, 0x3C, 0x40);
    Put32(v, 0x40, 0x4550);
    Put16(v, 0x44, pe32plus ? 0x8664 : 0x14C);
    Put16(v, 0x46, sections);
    Put16(v, 0x54, optionalSize);
    Put16(v, 0x56, 0x2022);
    const std::uint64_t opt = 0x58;
    Put16(v, opt, pe32plus ? 0x20B : 0x10B);
    const std::uint64_t dirs = opt + (pe32plus ? 112 : 96);
    Put32(v, dirs - 4, 16);
    Put32(v, dirs + 16, kSectionRva);
    Put32(v, dirs + 20, size);
    BuiltPe pe;
    pe.resourceSectionHeader = opt + optionalSize;
    pe.resourceSection = kHeadersSize;
    WriteSectionHeader(v, pe.resourceSectionHeader, ".rsrc", size, kSectionRva, kHeadersSize);
    if (!other.empty())
        WriteSectionHeader(v, pe.resourceSectionHeader + 40, ".data", static_cast<std::uint32_t>(other.size()),
                           kOtherSectionRva, kHeadersSize + static_cast<std::uint32_t>(section.size()));
    v.insert(v.end(), section.begin(), section.end());
    v.insert(v.end(), other.begin(), other.end());
    for (std::uint32_t e : writer.dataEntries()) pe.dataEntries.push_back(kHeadersSize + e);
    pe.bytes = std::move(v);
    return pe;
}

std::vector<std::uint8_t> MakeGroupResource(const std::vector<GroupImage>& images) {
    std::vector<std::uint8_t> g(6 + 14 * images.size(), 0);
    Put16(g, 2, 1);
    Put16(g, 4, static_cast<std::uint32_t>(images.size()));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::uint64_t o = 6 + 14 * i;
        g[o] = images[i].width;
        g[o + 1] = images[i].height;
        Put16(g, o + 4, 1);
        Put16(g, o + 6, images[i].bitCount);
        Put32(g, o + 8, images[i].size);
        Put16(g, o + 12, images[i].id);
    }
    return g;
}

}  // namespace zorvane::test

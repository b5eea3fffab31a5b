#include "support/ne_builder.h"

#include <string>

#include "platform/byte_reader.h"
#include "support/test_support.h"

namespace zorvane::test {
namespace {

constexpr std::uint32_t kNeOffset = 0x40;
constexpr std::uint32_t kNeHeaderSize = 0x40;

void Put16(std::vector<std::uint8_t>& v, std::uint64_t at, std::uint32_t x) {
    v[at] = static_cast<std::uint8_t>(x);
    v[at + 1] = static_cast<std::uint8_t>(x >> 8);
}
void Append16(std::vector<std::uint8_t>& v, std::uint32_t x) {
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}

struct Type {
    ResourceName name;
    std::vector<const NeResource*> members;
};

std::vector<Type> TypesInOrder(const std::vector<NeResource>& resources) {
    std::vector<Type> types;
    for (const NeResource& r : resources) {
        auto it = types.begin();
        while (it != types.end() && it->name != r.type) ++it;
        if (it == types.end()) it = types.insert(types.end(), Type{r.type, {}});
        it->members.push_back(&r);
    }
    return types;
}

// Names follow the records: each string name's offset from the table's start.
class NamePool {
public:
    explicit NamePool(std::uint32_t start) : next_(start) {}
    std::uint32_t Field(const ResourceName& n) {
        if (!n.named) return 0x8000 | n.id;
        const std::uint32_t at = next_;
        text_.push_back(static_cast<std::uint8_t>(n.text.size()));
        for (char16_t c : n.text) text_.push_back(static_cast<std::uint8_t>(c));
        next_ += 1 + static_cast<std::uint32_t>(n.text.size());
        return at;
    }
    const std::vector<std::uint8_t>& text() const { return text_; }

private:
    std::uint32_t next_;
    std::vector<std::uint8_t> text_;
};

}  // namespace

BuiltNe MakeNeModule(const std::vector<NeResource>& resources, std::uint16_t shift) {
    const std::vector<Type> types = TypesInOrder(resources);
    const std::uint32_t recordsSize = 2 + static_cast<std::uint32_t>(8 * types.size() + 12 * resources.size()) +
                                      2;  // shift .. end word
    NamePool names(recordsSize);
    std::vector<std::uint32_t> fields;
    for (const Type& t : types) {
        fields.push_back(names.Field(t.name));
        for (const NeResource* r : t.members) fields.push_back(names.Field(r->name));
    }
    const std::uint32_t tableSize = recordsSize + static_cast<std::uint32_t>(names.text().size()) + 1;
    const std::string moduleName = "FIXTURE";
    const std::uint32_t residentSize = 1 + static_cast<std::uint32_t>(moduleName.size()) + 2 + 1;
    const std::uint32_t unit = 1u << shift;
    std::uint64_t dataStart = kNeOffset + kNeHeaderSize + tableSize + residentSize;
    dataStart = (dataStart + unit - 1) / unit * unit;

    BuiltNe built;
    auto& v = built.bytes;
    v.assign(kNeOffset + kNeHeaderSize, 0);
    v[0] = 'M';
    v[1] = 'Z';
    Put16(v, 0x3C, kNeOffset);
    v[kNeOffset] = 'N';
    v[kNeOffset + 1] = 'E';
    // Every other table starts where the resident names end: they are all empty.
    const std::uint32_t afterResident = kNeHeaderSize + tableSize + residentSize;
    for (std::uint32_t field : {0x04u, 0x28u, 0x2Au}) Put16(v, kNeOffset + field, afterResident);
    Put16(v, kNeOffset + 0x24, kNeHeaderSize);
    Put16(v, kNeOffset + 0x26, kNeHeaderSize + tableSize);
    Put16(v, kNeOffset + 0x32, shift);
    Put16(v, kNeOffset + 0x34, static_cast<std::uint32_t>(resources.size()));
    v[kNeOffset + 0x36] = 2;  // Windows

    built.resourceTable = v.size();
    Append16(v, shift);
    std::uint64_t data = dataStart;
    std::size_t field = 0;
    for (const Type& t : types) {
        Append16(v, fields[field++]);
        Append16(v, static_cast<std::uint32_t>(t.members.size()));
        v.insert(v.end(), 4, 0);
        for (const NeResource* r : t.members) {
            const std::uint64_t units = (r->bytes.size() + unit - 1) / unit;
            Append16(v, static_cast<std::uint32_t>(data >> shift));
            Append16(v, static_cast<std::uint32_t>(units));
            Append16(v, 0x0030);  // moveable, shareable
            Append16(v, fields[field++]);
            v.insert(v.end(), 4, 0);
            data += units * unit;
        }
    }
    Append16(v, 0);
    v.insert(v.end(), names.text().begin(), names.text().end());
    v.push_back(0);
    v.push_back(static_cast<std::uint8_t>(moduleName.size()));
    v.insert(v.end(), moduleName.begin(), moduleName.end());
    v.insert(v.end(), 3, 0);
    v.resize(dataStart, 0);
    for (const Type& t : types)
        for (const NeResource* r : t.members) {
            v.insert(v.end(), r->bytes.begin(), r->bytes.end());
            v.resize((v.size() + unit - 1) / unit * unit, 0);
        }
    return built;
}

std::vector<NeResource> IconFileResources(const std::vector<std::uint8_t>& ico, const ResourceName& group,
                                          std::uint16_t firstId) {
    const ByteReader r(ico);
    const std::uint16_t count = r.u16le(4);
    std::vector<std::uint8_t> dir(ico.begin(), ico.begin() + 6);
    std::vector<NeResource> images;
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint64_t e = 6 + 16ull * i;
        const auto fields = r.bytes(e, 12);
        dir.insert(dir.end(), fields.begin(), fields.end());
        Append16(dir, static_cast<std::uint32_t>(firstId + i));
        const auto image = r.bytes(r.u32le(e + 12), r.u32le(e + 8));
        images.push_back({ResourceName::Id(3),
                          ResourceName::Id(static_cast<std::uint32_t>(firstId + i)),
                          {image.begin(), image.end()}});
    }
    std::vector<NeResource> out{{ResourceName::Id(14), group, dir}};
    out.insert(out.end(), images.begin(), images.end());
    return out;
}

}  // namespace zorvane::test

namespace zorvane::test {
namespace {

std::vector<NeResource> Group(const char* icon, const ResourceName& name, std::uint16_t firstId) {
    return IconFileResources(ReadFile(BuiltFixture(icon)), name, firstId);
}

std::vector<NeResource> Joined(std::initializer_list<std::vector<NeResource>> parts) {
    std::vector<NeResource> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

}  // namespace

std::vector<NeFixture> NeFixtures() {
    const NeResource custom{ResourceName::Named(u"CUSTOM"), ResourceName::Named(u"DATA"), {1, 2, 3}};
    const NeResource version{ResourceName::Id(16), ResourceName::Id(1), std::vector<std::uint8_t>(40, 9)};
    return {
        {"numbered.exe",
         MakeNeModule(Joined({{version},
                              Group("depths.ico", ResourceName::Id(1), 1),
                              Group("png256.ico", ResourceName::Id(2), 20),
                              Group("small.ico", ResourceName::Id(10), 30)}),
                      4),
         {"1", "2", "10"}},
        {"named.dll",
         MakeNeModule(Joined({Group("depths.ico", ResourceName::Named(u"APPICON"), 1),
                              {custom},
                              Group("small.ico", ResourceName::Named(u"DOCUMENT"), 7),
                              Group("many.ico", ResourceName::Id(3), 8)}),
                      9),
         {"APPICON", "DOCUMENT", "3"}},
        {"library.icl",
         MakeNeModule(Joined({Group("small.ico", ResourceName::Named(u"FOLDER"), 1),
                              Group("depths.ico", ResourceName::Id(5), 2)}),
                      4),
         {"FOLDER", "5"}},
    };
}

}  // namespace zorvane::test

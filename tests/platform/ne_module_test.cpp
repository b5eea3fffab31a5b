#include <gtest/gtest.h>

#include <functional>

#include "platform/ne_module.h"
#include "platform/resource_module.h"
#include "support/ne_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltNe;
using test::MakeNeModule;
using test::NeResource;
using test::TempDir;

std::vector<std::string> NamesOf(const ResourceModule& m, std::uint32_t type = kResourceTypeGroupIcon) {
    std::vector<std::string> out;
    for (const ResourceName& n : m.Names(type)) out.push_back(n.ToUtf8());
    return out;
}

std::optional<NeModule> OpenBytes(const TempDir& dir, const std::vector<std::uint8_t>& bytes) {
    test::WriteFile(dir / "m.exe", bytes);
    return NeModule::Open((dir / "m.exe").string());
}

void Put16(std::vector<std::uint8_t>& v, std::uint64_t at, std::uint16_t x) {
    v[at] = static_cast<std::uint8_t>(x);
    v[at + 1] = static_cast<std::uint8_t>(x >> 8);
}

TEST(NeModule, NamesComeInTableOrderAndEveryResourceReadsBack) {
    TempDir dir;
    for (const auto& fixture : test::NeFixtures()) {
        const auto path = dir / fixture.fileName;
        test::WriteFile(path, fixture.module.bytes);
        const auto m = OpenResourceModule(path.string());
        ASSERT_TRUE(m) << fixture.fileName;
        EXPECT_EQ(NamesOf(*m), std::vector<std::string>(fixture.groups.begin(), fixture.groups.end()));
        for (const ResourceName& g : m->Names(kResourceTypeGroupIcon)) {
            const auto where = m->Find(kResourceTypeGroupIcon, g, 0x409);
            ASSERT_TRUE(where) << fixture.fileName << " " << g.ToUtf8();
            EXPECT_EQ(where->language, 0);
            EXPECT_TRUE(m->Load(*where)) << fixture.fileName;
        }
    }
}

TEST(NeModule, DataComesFromWhereTheShiftedOffsetPoints) {
    TempDir dir;
    const std::vector<std::uint8_t> data{1, 2, 3, 4, 5};
    for (std::uint16_t shift : {std::uint16_t{0}, std::uint16_t{4}, std::uint16_t{9}, std::uint16_t{15}}) {
        const auto m = OpenBytes(dir, MakeNeModule({{ResourceName::Id(3), ResourceName::Id(7), data},
                                                    {ResourceName::Named(u"X"), ResourceName::Id(7), {9}}},
                                                   shift)
                                          .bytes);
        ASSERT_TRUE(m) << shift;
        const auto where = m->Find(kResourceTypeIcon, ResourceName::Id(7));
        ASSERT_TRUE(where) << shift;
        EXPECT_EQ(where->size, std::max<std::uint32_t>(1u << shift, 5)) << shift;  // padded to whole units
        const auto bytes = m->Load(*where);
        ASSERT_TRUE(bytes);
        EXPECT_TRUE(std::equal(data.begin(), data.end(), bytes->begin())) << shift;
        EXPECT_FALSE(m->Find(kResourceTypeIcon, ResourceName::Id(8)));
        EXPECT_EQ(NamesOf(*m, 0), std::vector<std::string>{});  // a string-named type is no numbered type
    }
}

// Each damage of a well-formed module and whether the module must still open.
struct Damage {
    const char* what;
    std::function<void(BuiltNe&)> apply;
    bool opens;
};

TEST(NeModule, HostileTablesAreRefusedOrReadSafely) {
    const auto base = MakeNeModule({{ResourceName::Id(14), ResourceName::Named(u"ICON"), std::vector<std::uint8_t>(20)},
                                    {ResourceName::Id(3), ResourceName::Id(1), std::vector<std::uint8_t>(40)}});
    const std::uint64_t t = base.resourceTable;
    const Damage damages[] = {
        {"shift 31", [t](BuiltNe& b) { Put16(b.bytes, t, 31); }, false},
        {"shift 16", [t](BuiltNe& b) { Put16(b.bytes, t, 16); }, false},
        {"count 65535", [t](BuiltNe& b) { Put16(b.bytes, t + 4, 0xFFFF); }, false},
        {"table cut before its end word", [t](BuiltNe& b) { b.bytes.resize(t + 20); }, false},
        {"table offset past the file", [](BuiltNe& b) { Put16(b.bytes, 0x40 + 0x24, 0xFFF0); }, false},
        {"no NE header", [](BuiltNe& b) { b.bytes[0x40] = 'P'; }, false},
        {"NE header past the file", [](BuiltNe& b) { Put16(b.bytes, 0x3C, 0xFFFF); }, false},
        {"name pointing at the table itself", [t](BuiltNe& b) { Put16(b.bytes, t + 2 + 8 + 6, 0); }, true},
        {"name past the table", [t](BuiltNe& b) { Put16(b.bytes, t + 2 + 8 + 6, 0x7FFF); }, true},
        {"data past the file", [t](BuiltNe& b) { Put16(b.bytes, t + 2 + 8 + 0, 0xFFFF); }, true},
        {"length past the file", [t](BuiltNe& b) { Put16(b.bytes, t + 2 + 8 + 2, 0xFFFF); }, true},
    };
    TempDir dir;
    for (const Damage& d : damages) {
        BuiltNe damaged = base;
        d.apply(damaged);
        const auto m = OpenBytes(dir, damaged.bytes);
        ASSERT_EQ(m.has_value(), d.opens) << d.what;
        if (!m) continue;
        for (const ResourceName& n : m->Names(kResourceTypeGroupIcon)) {
            const auto where = m->Find(kResourceTypeGroupIcon, n);
            EXPECT_TRUE(!where || m->Load(*where)) << d.what;
        }
    }
    // The group named past the table is left out; data or a length past the file is not found.
    BuiltNe far = base;
    damages[8].apply(far);
    EXPECT_TRUE(OpenBytes(dir, far.bytes)->Names(kResourceTypeGroupIcon).empty());
    for (std::size_t k : {9u, 10u}) {
        BuiltNe cut = base;
        damages[k].apply(cut);
        EXPECT_FALSE(OpenBytes(dir, cut.bytes)->Find(kResourceTypeGroupIcon, ResourceName::Named(u"ICON")))
            << damages[k].what;
    }
    // Every cut of the file opens cleanly or not at all.
    for (std::size_t n = 0; n < base.bytes.size(); ++n) {
        const auto m = OpenBytes(dir, {base.bytes.begin(), base.bytes.begin() + static_cast<std::ptrdiff_t>(n)});
        if (!m) continue;
        for (const ResourceName& g : m->Names(kResourceTypeGroupIcon)) m->Find(kResourceTypeGroupIcon, g);
    }
}

TEST(NeModule, AModuleWithoutResourcesHasNoGroups) {
    TempDir dir;
    auto bytes = MakeNeModule({}).bytes;
    Put16(bytes, 0x40 + 0x24, 0x40);
    Put16(bytes, 0x40 + 0x26, 0x40);
    const auto m = OpenBytes(dir, bytes);
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->Names(kResourceTypeGroupIcon).empty());
}

}  // namespace
}  // namespace zorvane

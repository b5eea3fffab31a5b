#include <gtest/gtest.h>

#include "platform/pe_module.h"
#include "support/pe_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::MakePeModule;
using test::PeResource;
using test::TempDir;

std::vector<std::string> NamesOf(const PeModule& m, std::uint32_t type = kResourceTypeGroupIcon) {
    std::vector<std::string> out;
    for (const ResourceName& n : m.Names(type)) out.push_back(n.ToUtf8());
    return out;
}

std::vector<std::uint8_t> Bytes(std::size_t n, std::uint8_t fill) { return std::vector<std::uint8_t>(n, fill); }

// Writes bytes to a file in dir and opens it as a module.
std::optional<PeModule> OpenBytes(const TempDir& dir, const std::vector<std::uint8_t>& bytes) {
    test::WriteFile(dir / "m.dll", bytes);
    return PeModule::Open((dir / "m.dll").string());
}

TEST(PeModule, GroupNamesComeInStoredOrderStringsFirst) {
    for (const char* name : {"mixed.dll", "pe32.dll"}) {
        const auto m = PeModule::Open(BuiltFixture(name).string());
        ASSERT_TRUE(m) << name;
        EXPECT_EQ(NamesOf(*m), (std::vector<std::string>{"MAINICON", "3", "20"})) << name;
    }
    EXPECT_TRUE(PeModule::Open(BuiltFixture("mixed.dll").string())->pe32plus());
    EXPECT_FALSE(PeModule::Open(BuiltFixture("pe32.dll").string())->pe32plus());
    EXPECT_EQ(NamesOf(*PeModule::Open(BuiltFixture("named.exe").string())),
              (std::vector<std::string>{"APPICON", "DOCUMENT", "ZEBRA"}));
}

TEST(PeModule, LanguageAskedForThenNeutralThenFirstStored) {
    const auto m = PeModule::Open(BuiltFixture("lang.dll").string());
    ASSERT_TRUE(m);
    const ResourceName image = ResourceName::Id(100);
    EXPECT_EQ(m->Find(kResourceTypeIcon, image, 0x407)->language, 0x407);
    EXPECT_EQ(m->Find(kResourceTypeIcon, image, 0x409)->language, 0);
    EXPECT_EQ(m->Find(kResourceTypeIcon, image)->language, 0);
    EXPECT_EQ(m->Find(kResourceTypeGroupIcon, ResourceName::Id(7))->language, 0);
    EXPECT_EQ(m->Find(kResourceTypeGroupIcon, ResourceName::Id(5))->language, 0x407);

    TempDir dir;
    const auto only = OpenBytes(dir, MakePeModule({{3, ResourceName::Id(1), 0x411, Bytes(8, 1)},
                                                   {3, ResourceName::Id(1), 0x40C, Bytes(8, 2)}})
                                         .bytes);
    EXPECT_EQ(only->Find(3, ResourceName::Id(1))->language, 0x40C);  // the first stored
    EXPECT_FALSE(only->Find(3, ResourceName::Id(2)));
    EXPECT_FALSE(only->Find(14, ResourceName::Id(1)));
}

TEST(PeModule, StringNamesAreMatchedExactly) {
    TempDir dir;
    const auto m = OpenBytes(dir, MakePeModule({{14, ResourceName::Named(u"ÄPFEL"), 0, Bytes(4, 7)},
                                                {14, ResourceName::Id(1), 0, Bytes(4, 8)}})
                                      .bytes);
    ASSERT_TRUE(m);
    EXPECT_EQ(NamesOf(*m), (std::vector<std::string>{"ÄPFEL", "1"}));
    EXPECT_EQ(m->Load(*m->Find(14, ResourceName::Named(u"ÄPFEL"))), Bytes(4, 7));
    EXPECT_FALSE(m->Find(14, ResourceName::Named(u"äpfel")));
}

TEST(PeModule, FilesThatAreNoModuleCannotBeOpened) {
    TempDir dir;
    const std::vector<std::vector<std::uint8_t>> notModules = {{},
                                                               {'M', 'Z'},
                                                               std::vector<std::uint8_t>(4096, 'x'),
                                                               test::ReadFile(BuiltFixture("depths.ico"))};
    for (const auto& bytes : notModules) EXPECT_FALSE(OpenBytes(dir, bytes)) << bytes.size();
    EXPECT_FALSE(PeModule::Open(dir.path().string()));
    EXPECT_FALSE(PeModule::Open((dir / "missing.dll").string()));
}

TEST(PeModule, EveryTruncationOfAModuleIsReadSafely) {
    const auto whole = test::ReadFile(BuiltFixture("pe32.dll"));
    TempDir dir;
    for (std::size_t len = 0; len < whole.size(); len += (len < 1024 ? 7 : 997)) {
        const auto m = OpenBytes(dir, std::vector<std::uint8_t>(whole.begin(),
                                                                whole.begin() + static_cast<std::ptrdiff_t>(len)));
        if (!m) continue;
        for (const ResourceName& n : m->Names(kResourceTypeGroupIcon))
            if (auto where = m->Find(kResourceTypeGroupIcon, n)) {
                EXPECT_LE(where->fileOffset + where->size, len);
            }
    }
}

TEST(PeModule, DirectoryCyclesAreNotFollowed) {
    TempDir dir;
    auto pe = MakePeModule({{14, ResourceName::Id(1), 0, Bytes(4, 1)}});
    // The root's only entry (type 14) pointing back at the root itself.
    auto selfRoot = pe.bytes;
    selfRoot[pe.resourceSection + 16 + 4] = 0;
    selfRoot[pe.resourceSection + 16 + 5] = 0;
    selfRoot[pe.resourceSection + 16 + 6] = 0;
    const auto m = OpenBytes(dir, selfRoot);
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->Names(kResourceTypeGroupIcon).empty());
    EXPECT_FALSE(m->Find(kResourceTypeGroupIcon, ResourceName::Id(1)));
    EXPECT_FALSE(m->Find(kResourceTypeGroupIcon, ResourceName::Id(14)));
}

TEST(PeModule, EntryCountsAreCutToWhatTheSectionHolds) {
    TempDir dir;
    auto pe = MakePeModule({{14, ResourceName::Id(1), 0, Bytes(4, 1)}});
    const std::uint64_t typeTable = pe.resourceSection + 24;  // root: 16 + one entry
    pe.bytes[typeTable + 14] = 0xFF;
    pe.bytes[typeTable + 15] = 0xFF;
    pe.bytes[typeTable + 12] = 0xFF;
    pe.bytes[typeTable + 13] = 0xFF;
    const auto m = OpenBytes(dir, pe.bytes);
    ASSERT_TRUE(m);
    const auto names = m->Names(kResourceTypeGroupIcon);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), ResourceName::Id(1));
    EXPECT_LT(names.size(), 200u);
}

TEST(PeModule, DataIsMappedThroughEverySection) {
    TempDir dir;
    PeResource outside{3, ResourceName::Id(2), 0, Bytes(300, 9), true};
    auto pe = MakePeModule({{3, ResourceName::Id(1), 0, Bytes(64, 5)}, outside});
    const auto m = OpenBytes(dir, pe.bytes);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Load(*m->Find(3, ResourceName::Id(2))), Bytes(300, 9));

    // A data entry whose size runs past its section, or whose address is in no section.
    auto bad = pe.bytes;
    bad[pe.dataEntries[0] + 6] = 0x10;
    bad[pe.dataEntries[1] + 2] = 0x7F;
    const auto damaged = OpenBytes(dir, bad);
    EXPECT_FALSE(damaged->Find(3, ResourceName::Id(1)));
    EXPECT_FALSE(damaged->Find(3, ResourceName::Id(2)));
}

TEST(PeModule, SectionExtentIsTheSmallerOfRawAndVirtualSizeOrRawWhenVirtualIsZero) {
    TempDir dir;
    auto pe = MakePeModule({{3, ResourceName::Id(1), 0, Bytes(64, 5)}});
    const std::uint64_t virtualSize = pe.resourceSectionHeader + 8;
    auto zero = pe.bytes;
    for (std::uint64_t i = 0; i < 4; ++i) zero[virtualSize + i] = 0;
    EXPECT_EQ(OpenBytes(dir, zero)->Load(*OpenBytes(dir, zero)->Find(3, ResourceName::Id(1))), Bytes(64, 5));

    auto tiny = pe.bytes;  // the directory itself no longer fits in the section
    tiny[virtualSize] = 8;
    for (std::uint64_t i = 1; i < 4; ++i) tiny[virtualSize + i] = 0;
    EXPECT_TRUE(OpenBytes(dir, tiny)->Names(3).empty());
}

TEST(PeModule, CountingGroupsReadsTheDirectoryNotTheImages) {
    const auto m = PeModule::Open(BuiltFixture("many.dll").string());
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Names(kResourceTypeGroupIcon).size(), 160u);
    EXPECT_LE(m->bytesRead(), 32u * 1024);
    EXPECT_GT(m->fileSize(), 1024u * 1024);
}

}  // namespace
}  // namespace zorvane

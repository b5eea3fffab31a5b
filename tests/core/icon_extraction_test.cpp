#include <gtest/gtest.h>

#include "core/icon_extraction.h"
#include "core/icon_file.h"
#include "platform/pe_module.h"
#include "support/icon_builder.h"
#include "support/pe_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::GroupImage;
using test::MakeGroupResource;
using test::MakePeModule;
using test::PeResource;

std::vector<std::uint8_t> Bytes(std::size_t n, std::uint8_t fill) { return std::vector<std::uint8_t>(n, fill); }
std::vector<std::uint8_t> StreamBytes(const TIconStream& s) { return {s.bytes().begin(), s.bytes().end()}; }

// A module file in a temporary folder, loaded group by group.
class ModuleFile {
public:
    explicit ModuleFile(const std::vector<PeResource>& resources) {
        test::WriteFile(path(), MakePeModule(resources).bytes);
    }
    std::string path() const { return (dir_ / "m.dll").string(); }
    TIconStream Group(int index) const {
        TIconStream s;
        LoadIconGroup(s, path(), index);
        return s;
    }

private:
    test::TempDir dir_;
};

PeResource GroupOf(std::uint32_t id, const std::vector<GroupImage>& images) {
    return {kResourceTypeGroupIcon, ResourceName::Id(id), 0, MakeGroupResource(images)};
}
PeResource Image(std::uint16_t id, std::vector<std::uint8_t> bytes) {
    return {kResourceTypeIcon, ResourceName::Id(id), 0, std::move(bytes)};
}

TEST(LoadIconGroup, ImagesFollowTheDirectoryBackToBack) {
    const ModuleFile m({GroupOf(1, {{32, 32, 4, 744, 1}, {32, 32, 8, 2216, 2}, {48, 48, 8, 3752, 3}}),
                        Image(1, Bytes(744, 1)), Image(2, Bytes(2216, 2)), Image(3, Bytes(3752, 3))});
    const TIconStream s = m.Group(0);
    ASSERT_EQ(ImageCount(s), 3);
    EXPECT_EQ(DirEntry(s, 0).imageOffset, 54u);
    EXPECT_EQ(DirEntry(s, 1).imageOffset, 798u);
    EXPECT_EQ(DirEntry(s, 2).imageOffset, 3014u);
    EXPECT_EQ(s.size(), 3014u + 3752u);
    EXPECT_EQ(ReadIconImage(s, 2), Bytes(3752, 3));
    EXPECT_EQ(DirEntry(s, 2).width, 48);
    EXPECT_EQ(DirEntry(s, 1).bitCount, 8);
}

TEST(LoadIconGroup, OneImageStartsAt22AndALongerResourceIsCutToTheGroupSize) {
    const ModuleFile m({GroupOf(1, {{16, 16, 4, 296, 7}}), Image(7, Bytes(400, 4))});
    const TIconStream s = m.Group(0);
    ASSERT_EQ(ImageCount(s), 1);
    EXPECT_EQ(DirEntry(s, 0).imageOffset, 22u);
    EXPECT_EQ(s.size(), 22u + 296u);
}

TEST(LoadIconGroup, AGroupWithAMissingOrShortImageLeavesTheStreamEmpty) {
    const ModuleFile missing({GroupOf(1, {{16, 16, 4, 296, 1}, {16, 16, 4, 296, 2}}), Image(1, Bytes(296, 1))});
    EXPECT_TRUE(missing.Group(0).empty());
    const ModuleFile shortImage({GroupOf(1, {{16, 16, 4, 296, 1}}), Image(1, Bytes(295, 1))});
    EXPECT_TRUE(shortImage.Group(0).empty());
}

TEST(LoadIconGroup, ADamagedGroupResourceLeavesTheStreamEmpty) {
    auto claims65535 = MakeGroupResource({{16, 16, 4, 296, 1}});
    claims65535[4] = claims65535[5] = 0xFF;
    auto noImages = MakeGroupResource({});
    // The same image named over and over until the group would be absurdly large.
    const std::vector<GroupImage> repeated(300, GroupImage{16, 16, 8, 1u << 20, 1});
    const ModuleFile m({{kResourceTypeGroupIcon, ResourceName::Id(1), 0, claims65535},
                        {kResourceTypeGroupIcon, ResourceName::Id(2), 0, noImages},
                        {kResourceTypeGroupIcon, ResourceName::Id(3), 0, Bytes(5, 0)},
                        GroupOf(4, repeated),
                        Image(1, Bytes(1u << 20, 1))});
    for (int g = 0; g < 4; ++g) EXPECT_TRUE(m.Group(g).empty()) << g;
}

// A group naming one large image over and over takes only the bytes it needs each time, so
// the module is not read a thousand times over.
TEST(LoadIconGroup, ARepeatedLargeImageIsReadOnlyAsFarAsTheGroupTakesIt) {
    const ModuleFile m(
        {GroupOf(1, std::vector<GroupImage>(1000, GroupImage{16, 16, 8, 4, 1})), Image(1, Bytes(1u << 20, 9))});
    const auto module = PeModule::Open(m.path());
    ASSERT_TRUE(module);
    TIconStream s;
    LoadIconGroup(s, *module, 0);
    ASSERT_EQ(ImageCount(s), 1000);
    EXPECT_EQ(ReadIconImage(s, 999), Bytes(4, 9));
    EXPECT_LT(module->bytesRead(), 256u * 1024);
}

TEST(LoadIconGroup, IndicesOutsideTheGroupsAndNonModulesLeaveTheStreamEmpty) {
    const ModuleFile m({GroupOf(1, {{16, 16, 4, 296, 1}}), Image(1, Bytes(296, 1))});
    EXPECT_FALSE(m.Group(0).empty());
    EXPECT_TRUE(m.Group(1).empty());
    EXPECT_TRUE(m.Group(-1).empty());
    TIconStream s;
    LoadIconGroup(s, BuiltFixture("depths.ico").string(), 0);
    EXPECT_TRUE(s.empty());
}

// The compiler copies the icon file's directory and images into the module unchanged, so
// rebuilding the group gives the icon file back byte for byte, in 32 and 64 bits alike.
TEST(LoadIconGroup, ModuleGroupsRebuildTheirIconFiles) {
    const std::vector<std::pair<const char*, std::vector<const char*>>> modules = {
        {"numbered.dll", {"depths.ico", "png256.ico", "small.ico"}},
        {"named.exe", {"depths.ico", "png256.ico", "small.ico"}},
        {"pe32.exe", {"depths.ico", "png256.ico", "small.ico"}},
        {"mixed.dll", {"depths.ico", "png256.ico", "small.ico"}},
        {"pe32.dll", {"depths.ico", "png256.ico", "small.ico"}},
    };
    for (const auto& [module, icons] : modules) {
        ASSERT_EQ(IconCountOfFile(BuiltFixture(module).string()), static_cast<int>(icons.size())) << module;
        for (std::size_t g = 0; g < icons.size(); ++g) {
            TIconStream s;
            LoadIconGroup(s, BuiltFixture(module).string(), static_cast<int>(g));
            EXPECT_EQ(StreamBytes(s), test::ReadFile(BuiltFixture(icons[g]))) << module << " " << g;
        }
    }
}

TEST(LoadIconGroup, ImagesAreTakenInTheGroupsLanguage) {
    const auto red = test::ReadFile(BuiltFixture("lang_red.bin"));
    const auto blue = test::ReadFile(BuiltFixture("lang_blue.bin"));
    const std::string lang = BuiltFixture("lang.dll").string();
    const std::vector<std::vector<std::uint8_t>> expected = {blue, red, red};
    for (int g = 0; g < 3; ++g) {
        TIconStream s;
        LoadIconGroup(s, lang, g);
        ASSERT_EQ(ImageCount(s), 1) << g;
        EXPECT_EQ(ReadIconImage(s, 0), expected[static_cast<std::size_t>(g)]) << g;
    }
}

}  // namespace
}  // namespace zorvane

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/byte_reader.h"
#include "platform/shell_link.h"
#include "support/allocation_probe.h"
#include "support/shell_link_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::MakeShellLink;
using test::ShellLinkSpec;
using test::TempDir;

// A Wine prefix with drive c: holding Tools/App/アプリ.exe.
struct Prefix {
    TempDir dir;
    FolderEnvironment env;
    Prefix() {
        fs::create_directories(dir / "drive_c/Tools/App");
        fs::create_directories(dir / "dosdevices");
        fs::create_directory_symlink("../drive_c", dir / "dosdevices/c:");
        test::WriteFile(dir / "drive_c/Tools/App/アプリ.exe", {1});
        env.winePrefix = dir.path().string();
    }
    std::string target() const { return (dir / "dosdevices/c:/Tools/App/アプリ.exe").string(); }
    std::string write(const ShellLinkSpec& spec) const {
        const fs::path lnk = dir / "drive_c/Tools/link.lnk";
        test::WriteFile(lnk, MakeShellLink(spec));
        return lnk.string();
    }
};

TEST(ShellLink, TheLocalBasePathResolvesInEveryStorageForm) {
    Prefix p;
    ShellLinkSpec ansi;
    ansi.localBasePath = "C:\\TOOLS\\app\\\x83\x41\x83\x76\x83\x8A.exe";  // Shift-JIS
    ansi.withIdList = false;
    EXPECT_EQ(ReadShortcutTarget(p.write(ansi), p.env), p.target());

    ShellLinkSpec wide;
    wide.localBasePath = "C:\\?";
    wide.unicodeLinkInfo = true;
    wide.wideBasePath = u"C:\\Tools\\App\\アプリ.exe";
    EXPECT_EQ(ReadShortcutTarget(p.write(wide), p.env), p.target());

    ShellLinkSpec split;
    split.localBasePath = "C:\\Tools";
    split.commonPathSuffix = "App\\x.exe";
    split.unicodeLinkInfo = true;
    split.wideBasePath = u"C:\\Tools";
    EXPECT_EQ(ParseShellLinkTarget(MakeShellLink(split)).path, "C:\\Tools\\App\\x.exe");
}

TEST(ShellLink, WithoutLinkInformationTheRelativePathIsTakenBesideTheShortcut) {
    Prefix p;
    ShellLinkSpec rel;
    rel.relativePath = ".\\App\\x.exe";
    EXPECT_EQ(ReadShortcutTarget(p.write(rel), p.env), (p.dir / "drive_c/Tools/App/x.exe").string());
    rel.unicodeStrings = false;
    EXPECT_EQ(ReadShortcutTarget(p.write(rel), p.env), (p.dir / "drive_c/Tools/App/x.exe").string());
}

TEST(ShellLink, UnreadableShortcutsGiveAnEmptyPath) {
    Prefix p;
    const std::string lnk = (p.dir / "bad.lnk").string();
    EXPECT_EQ(ReadShortcutTarget((p.dir / "missing.lnk").string(), p.env), "");
    ShellLinkSpec spec;
    spec.localBasePath = "C:\\Tools\\App\\x.exe";
    spec.unicodeLinkInfo = true;
    const std::vector<std::uint8_t> good = MakeShellLink(spec);
    // Every cut of a good shortcut fails cleanly or still names the target.
    for (std::size_t n = 0; n < good.size(); ++n) {
        test::WriteFile(lnk, std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(n)));
        const std::string got = ReadShortcutTarget(lnk, p.env);
        EXPECT_TRUE(got.empty() || got.ends_with("x.exe")) << n;
    }
    std::vector<std::uint8_t> wild = good;
    wild[0x4C + 6 + 0x1C] = 0xF0;  // Unicode base path offset far outside the structure
    EXPECT_THROW(ParseShellLinkTarget(wild), ReadError);
    ShellLinkSpec network;  // neither a local path nor a relative one
    network.withIdList = true;
    EXPECT_THROW(ParseShellLinkTarget(MakeShellLink(network)), ReadError);
    EXPECT_EQ(ReadShortcutTarget(p.dir.path().string(), p.env), "");  // a folder
}

// Counted strings claiming more units than the file holds are refused before any string of
// that length is made, narrow and UTF-16 alike.
TEST(ShellLink, AbsurdStringCountsAllocateNothing) {
    for (bool unicode : {true, false}) {
        ShellLinkSpec spec;
        spec.relativePath = "a";
        spec.withIdList = false;
        spec.unicodeStrings = unicode;
        std::vector<std::uint8_t> link = MakeShellLink(spec);
        link[0x4C] = link[0x4D] = 0xFF;  // 65535 units, one present
        const std::size_t largest = test::LargestAllocationDuring(
            [&] { EXPECT_THROW(ParseShellLinkTarget(link), ReadError) << unicode; });
        EXPECT_LT(largest, 4096u) << unicode;
    }
}

}  // namespace
}  // namespace zorvane

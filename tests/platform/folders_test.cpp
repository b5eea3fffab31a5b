#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sys/stat.h>

#include "platform/folders.h"
#include "support/test_support.h"
#include "zorvane_version.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

TEST(Folders, WithoutWindirTheWinePrefixGivesBothRoots) {
    FolderEnvironment env;
    env.home = "/home/u";
    EXPECT_EQ(SystemFolderFor(env), "/home/u/.wine/drive_c/windows/system32/");
    EXPECT_EQ(ProgramFilesFolderFor(env), "/home/u/.wine/drive_c/Program Files/");
    env.winePrefix = "/opt/pfx";
    EXPECT_EQ(SystemFolderFor(env), "/opt/pfx/drive_c/windows/system32/");
    EXPECT_EQ(ProgramFilesFolderFor(env), "/opt/pfx/drive_c/Program Files/");
}

TEST(Folders, WindirNamesTheSystemFolderAndItsDriveThePrograms) {
    TempDir dir;
    fs::create_directories(dir / "drive_c/windows/system32");
    fs::create_directories(dir / "drive_c/Program Files");
    FolderEnvironment env;
    env.windir = (dir / "drive_c/windows").string();
    EXPECT_EQ(SystemFolderFor(env), (dir / "drive_c/windows/system32/").string());
    EXPECT_EQ(ProgramFilesFolderFor(env), (dir / "drive_c/Program Files/").string());
    env.windir = "C:\\WINDOWS";
    env.winePrefix = dir.path().string();
    EXPECT_EQ(SystemFolderFor(env), (dir / "drive_c/windows/system32/").string());
    EXPECT_EQ(ProgramFilesFolderFor(env), (dir / "drive_c/Program Files/").string());
}

TEST(Folders, DrivePathsMapThroughDosdevicesIgnoringCase) {
    TempDir dir;
    fs::create_directories(dir / "drive_d/Tools/Sub");
    fs::create_directories(dir / "dosdevices");
    fs::create_directory_symlink("../drive_d", dir / "dosdevices/d:");
    EXPECT_EQ(MapDosPath("D:\\TOOLS\\sub\\new.exe", dir.path().string()),
              (dir / "dosdevices/d:/Tools/Sub/new.exe").string());
    EXPECT_EQ(MapDosPath("relative\\x.dll", dir.path().string()), std::nullopt);
    EXPECT_EQ(MapDosPath("\\\\server\\share", dir.path().string()), std::nullopt);
}

TEST(Folders, SettingsGoBesideTheExecutableOnlyWhenThatIsWritable) {
    TempDir dir;
    fs::create_directories(dir / "bin");
    FolderEnvironment env;
    env.configHome = (dir / "config").string();
    EXPECT_EQ(SettingsFolderFor((dir / "bin").string(), env), (dir / "bin/").string());
    EXPECT_FALSE(fs::exists(dir / "config"));
    ::chmod((dir / "bin").c_str(), 0555);
    if (::access((dir / "bin").c_str(), W_OK) == 0) GTEST_SKIP() << "running as a user who writes anywhere";
    EXPECT_EQ(SettingsFolderFor((dir / "bin").string(), env), (dir / "config/zorvane/").string());
    EXPECT_TRUE(fs::is_directory(dir / "config/zorvane/Icons"));
}

// An installed program keeps its files in the user's folders even where it could write
// beside itself (a prefix the user owns, or run by root); the default icon folder is made.
TEST(Folders, AnInstalledExecutableKeepsItsSettingsInTheUsersConfigurationFolder) {
    struct Case {
        std::optional<std::string> configHome;
        std::string expected;  // below the temporary folder
    };
    const Case cases[] = {
        {"CONFIG", "CONFIG/zorvane/"},
        {std::nullopt, "home/.config/zorvane/"},
        {"relative/config", "home/.config/zorvane/"},  // not absolute: ignored
    };
    for (const Case& c : cases) {
        TempDir dir;
        test::WriteText(dir / "usr/share/applications" / (std::string(kDesktopId) + ".desktop"), "");
        fs::create_directories(dir / "usr/bin");
        FolderEnvironment env;
        env.home = (dir / "home").string();
        if (c.configHome)
            env.configHome = c.configHome->front() == 'C' ? (dir / *c.configHome).string() : *c.configHome;
        const std::string folder = SettingsFolderFor((dir / "usr/bin").string(), env);
        EXPECT_EQ(folder, (dir / c.expected).string());
        EXPECT_TRUE(fs::is_directory(folder + kDefaultIconFolderName)) << folder;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "usr/bin"), fs::directory_iterator()), 0);
    }
}

}  // namespace
}  // namespace zorvane

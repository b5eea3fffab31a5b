#pragma once
// Where the program keeps its files and where the Windows folders it scans live here.
// Every folder path returned ends with "/", so names are appended directly.

#include <optional>
#include <string>

namespace zorvane {

// The environment values the folder rules read; taken apart so tests can pass their own.
struct FolderEnvironment {
    std::optional<std::string> windir;
    std::optional<std::string> winePrefix;  // WINEPREFIX
    std::optional<std::string> home;
    std::optional<std::string> configHome;  // XDG_CONFIG_HOME
};
FolderEnvironment CurrentFolderEnvironment();

// The folder of the running executable.
std::string ExecutableFolder();

// The icon folder of a first run, in the settings folder.
inline constexpr const char* kDefaultIconFolderName = "Icons";

// True when the executable was put there by the install rules: our desktop entry lies in
// the share folder beside its folder (any prefix, also a package unpacked anywhere).
bool IsInstalledExecutableFolder(const std::string& executableFolder);

// "Set.ini" and the module lists: the executable's folder when it is writable and not an
// installed one, else the per-user configuration folder ($XDG_CONFIG_HOME/zorvane/, else
// ~/.config/zorvane/), created with its default icon folder when missing. So an installed
// program never writes under its prefix.
std::string SettingsFolder();
std::string SettingsFolderFor(const std::string& executableFolder, const FolderEnvironment& env);
// Test hook: when non-empty, SettingsFolder returns this folder instead.
void SetSettingsFolderForTesting(const std::string& folder);

// WINEPREFIX, else ~/.wine.
std::string WinePrefix(const FolderEnvironment& env);

// The system folder: "windir" plus its system32 folder when windir is set, else the Wine
// prefix's drive_c/windows/system32/.
std::string SystemFolderFor(const FolderEnvironment& env);
// The programs folder: "Program Files" at the root of windir's drive, else the Wine
// prefix's drive_c/Program Files/.
std::string ProgramFilesFolderFor(const FolderEnvironment& env);
std::string SystemFolder();
std::string ProgramFilesFolder();

// A drive-letter path ("C:\Windows\x.dll") as a path of this system, through the Wine
// prefix's dosdevices; each component matched without regard to case when the exact
// name is absent. Nothing for a path without a drive letter.
std::optional<std::string> MapDosPath(const std::string& dosPath, const std::string& winePrefix);

}  // namespace zorvane

#include "platform/folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <pwd.h>
#include <unistd.h>

#include "platform/text_util.h"
#include "zorvane_version.h"

namespace zorvane {
namespace fs = std::filesystem;
namespace {

std::string g_settingsFolderForTesting;

std::optional<std::string> envValue(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v) return std::nullopt;
    return std::string(v);
}

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool isWritableFolder(const std::string& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

// The entry of folder named name, or one whose name differs only in case.
std::string childIgnoringCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec)) return name;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (EqualsIgnoreCase(entry, name)) return entry;
    }
    return name;
}

bool isDrivePath(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The native form of windir: a drive-letter value goes through the Wine prefix.
fs::path nativeWindir(const FolderEnvironment& env) {
    const std::string& windir = *env.windir;
    if (isDrivePath(windir)) {
        if (auto mapped = MapDosPath(windir, WinePrefix(env))) return *mapped;
    }
    return fs::path(windir);
}

// The home folder of the user's account, for a process started without HOME.
std::optional<std::string> accountHome() {
    const passwd* account = ::getpwuid(::getuid());
    if (!account || !account->pw_dir || !*account->pw_dir) return std::nullopt;
    return std::string(account->pw_dir);
}

// $XDG_CONFIG_HOME/zorvane/, or ~/.config/zorvane/; a relative XDG_CONFIG_HOME is no valid value.
std::string userConfigFolder(const FolderEnvironment& env) {
    if (env.configHome && env.configHome->front() == '/') return withSlash(*env.configHome) + "zorvane/";
    return withSlash(env.home.value_or("/tmp")) + ".config/zorvane/";
}

}  // namespace

FolderEnvironment CurrentFolderEnvironment() {
    auto home = envValue("HOME");
    if (!home) home = accountHome();
    return {envValue("windir"), envValue("WINEPREFIX"), home, envValue("XDG_CONFIG_HOME")};
}

bool IsInstalledExecutableFolder(const std::string& executableFolder) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(executableFolder) / ".." / "share" / "applications" /
                                   (std::string(kDesktopId) + ".desktop"),
                               ec);
}

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return withSlash(fs::current_path(ec).string());
    return withSlash(exe.parent_path().string());
}

std::string SettingsFolderFor(const std::string& executableFolder, const FolderEnvironment& env) {
    if (isWritableFolder(executableFolder) && !IsInstalledExecutableFolder(executableFolder))
        return withSlash(executableFolder);
    // Made on the first start, so that the first save into the icon folder finds it.
    const std::string folder = userConfigFolder(env);
    std::error_code ec;
    fs::create_directories(folder + kDefaultIconFolderName, ec);
    return folder;
}

std::string SettingsFolder() {
    if (!g_settingsFolderForTesting.empty()) return withSlash(g_settingsFolderForTesting);
    return SettingsFolderFor(ExecutableFolder(), CurrentFolderEnvironment());
}

void SetSettingsFolderForTesting(const std::string& folder) { g_settingsFolderForTesting = folder; }

std::string WinePrefix(const FolderEnvironment& env) {
    if (env.winePrefix) return *env.winePrefix;
    return env.home.value_or("") + "/.wine";
}

std::string SystemFolderFor(const FolderEnvironment& env) {
    if (!env.windir) return withSlash(WinePrefix(env)) + "drive_c/windows/system32/";
    const fs::path windir = nativeWindir(env);
    return withSlash((windir / childIgnoringCase(windir, "System32")).string());
}

std::string ProgramFilesFolderFor(const FolderEnvironment& env) {
    if (!env.windir) return withSlash(WinePrefix(env)) + "drive_c/Program Files/";
    const fs::path windir = nativeWindir(env);
    // The drive of windir is the folder that holds it.
    fs::path drive = windir.has_filename() ? windir.parent_path() : windir.parent_path().parent_path();
    if (isDrivePath(*env.windir)) {
        if (auto root = MapDosPath(env.windir->substr(0, 2) + "\\", WinePrefix(env))) drive = *root;
    }
    return withSlash((drive / childIgnoringCase(drive, "Program Files")).string());
}

std::string SystemFolder() { return SystemFolderFor(CurrentFolderEnvironment()); }
std::string ProgramFilesFolder() { return ProgramFilesFolderFor(CurrentFolderEnvironment()); }

std::optional<std::string> MapDosPath(const std::string& dosPath, const std::string& winePrefix) {
    if (!isDrivePath(dosPath)) return std::nullopt;
    const std::string drive = AsciiLower(dosPath.substr(0, 1)) + ":";
    fs::path path = fs::path(winePrefix) / "dosdevices" / drive;
    std::error_code ec;
    if (!fs::exists(path, ec) && drive == "c:") path = fs::path(winePrefix) / "drive_c";
    std::string rest = dosPath.substr(2);
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find_first_of("\\/", start);
        if (end == std::string::npos) end = rest.size();
        const std::string part = rest.substr(start, end - start);
        if (!part.empty() && part != ".") path /= childIgnoringCase(path, part);
        start = end + 1;
    }
    return path.string();
}

}  // namespace zorvane

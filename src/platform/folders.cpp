#include "platform/folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "platform/text_util.h"

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

}  // namespace

FolderEnvironment CurrentFolderEnvironment() {
    return {envValue("windir"), envValue("WINEPREFIX"), envValue("HOME"), envValue("XDG_CONFIG_HOME")};
}

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return withSlash(fs::current_path(ec).string());
    return withSlash(exe.parent_path().string());
}

std::string SettingsFolderFor(const std::string& executableFolder, const FolderEnvironment& env) {
    if (isWritableFolder(executableFolder)) return withSlash(executableFolder);
    const std::string base = env.configHome ? *env.configHome : env.home.value_or("/tmp") + "/.config";
    const std::string folder = withSlash(base) + "zorvane";
    std::error_code ec;
    fs::create_directories(folder, ec);
    return withSlash(folder);
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

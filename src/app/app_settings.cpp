#include "app/app_settings.h"

#include <filesystem>
#include <system_error>

#include "platform/color_text.h"
#include "platform/folders.h"

namespace zorvane {
namespace {

constexpr const char* kRecent = "RECENT";
constexpr const char* kWindow = "WINDOW";
constexpr const char* kSet = "SET";
constexpr const char* kSelectDialog = "SELECTDLG";

std::string recentKey(int index) { return std::to_string(index); }

}  // namespace

AppSettings DefaultAppSettings(const std::string& settingsFolder) {
    AppSettings s;
    s.iconFolder = settingsFolder + kDefaultIconFolderName;
    return s;
}

void CreateDefaultIconFolder(const AppSettings& settings, const std::string& settingsFolder) {
    if (settings.iconFolder != DefaultAppSettings(settingsFolder).iconFolder) return;
    // A folder that cannot be made is reported by the save that needs it.
    std::error_code ignored;
    std::filesystem::create_directory(settings.iconFolder, ignored);
}

AppSettings LoadAppSettings(const IniFile& ini, const std::string& settingsFolder) {
    AppSettings s = DefaultAppSettings(settingsFolder);
    for (int i = 0; i < RecentFiles::kCount; ++i) s.recent.set(i, ini.ReadString(kRecent, recentKey(i), ""));
    WindowPlacement& w = s.window;
    w.maximized = ini.ReadBool(kWindow, "MAXIMIZE", w.maximized);
    s.iconFolder = ini.ReadString(kSet, "ICONDIR", s.iconFolder);
    w.left = ini.ReadInteger(kWindow, "LEFT", w.left);
    w.top = ini.ReadInteger(kWindow, "TOP", w.top);
    w.width = ini.ReadInteger(kWindow, "WIDTH", w.width);
    w.height = ini.ReadInteger(kWindow, "HEIGHT", w.height);
    s.backColor = TextToColor(ini.ReadString(kSet, "BACKCOLOR", "clWhite")).value_or(kWhiteColor);
    return s;
}

void StoreAppSettings(IniFile& ini, const AppSettings& s) {
    for (int i = 0; i < RecentFiles::kCount; ++i) ini.WriteString(kRecent, recentKey(i), s.recent.at(i));
    ini.WriteInteger(kWindow, "LEFT", s.window.left);
    ini.WriteInteger(kWindow, "TOP", s.window.top);
    ini.WriteInteger(kWindow, "WIDTH", s.window.width);
    ini.WriteInteger(kWindow, "HEIGHT", s.window.height);
    ini.WriteBool(kWindow, "MAXIMIZE", s.window.maximized);
    ini.WriteString(kSet, "BACKCOLOR", ColorToText(s.backColor));
    ini.WriteString(kSet, "ICONDIR", s.iconFolder);
}

PickerSettings LoadPickerSettings(const IniFile& ini) {
    PickerSettings p;
    p.width = ini.ReadInteger(kSelectDialog, "WIDTH", p.width);
    p.height = ini.ReadInteger(kSelectDialog, "HEIGHT", p.height);
    p.listWidth = ini.ReadInteger(kSelectDialog, "LISTWIDTH", p.listWidth);
    p.columnWidth = ini.ReadInteger(kSelectDialog, "COLUMNWIDTH", p.columnWidth);
    return p;
}

void StorePickerSettings(IniFile& ini, const PickerSettings& p) {
    ini.WriteInteger(kSelectDialog, "WIDTH", p.width);
    ini.WriteInteger(kSelectDialog, "HEIGHT", p.height);
    ini.WriteInteger(kSelectDialog, "LISTWIDTH", p.listWidth);
    ini.WriteInteger(kSelectDialog, "COLUMNWIDTH", p.columnWidth);
}

std::string SettingsFilePath() { return SettingsFolder() + kSettingsFileName; }

}  // namespace zorvane

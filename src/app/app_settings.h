#pragma once
// The main window's settings kept in "Set.ini": recent files, window place, icon folder
// and grid colour; and the module picker's sizes. Reading and writing follow a fixed key
// order so the file reads the same from run to run.

#include <cstdint>
#include <string>

#include "app/recent_files.h"
#include "platform/ini_file.h"

namespace zorvane {

constexpr const char* kSettingsFileName = "Set.ini";

struct WindowPlacement {
    bool maximized = false;
    int left = 150;
    int top = 100;
    int width = 720;
    int height = 500;
};

struct AppSettings {
    RecentFiles recent;
    WindowPlacement window;
    std::string iconFolder;               // ends without a separator
    std::int32_t backColor = 0x00FFFFFF;  // the grid's background, interface colour notation
};

// The settings of a first run: the icon folder is "Icons" in settingsFolder.
AppSettings DefaultAppSettings(const std::string& settingsFolder);

// Missing keys take their defaults; a grid colour that reads as no colour at all is white,
// so a damaged value never stops the start-up.
AppSettings LoadAppSettings(const IniFile& ini, const std::string& settingsFolder);
// Makes the default icon folder when it is missing, so that the first save of a fresh
// install has somewhere to go. A folder the user chose is never made: if it has vanished,
// the save says so.
void CreateDefaultIconFolder(const AppSettings& settings, const std::string& settingsFolder);
// Writes every key, empty recent entries too; the caller then calls ini.UpdateFile().
void StoreAppSettings(IniFile& ini, const AppSettings& settings);

struct PickerSettings {
    int width = 530;
    int height = 450;
    int listWidth = 190;
    int columnWidth = 120;
};
PickerSettings LoadPickerSettings(const IniFile& ini);
void StorePickerSettings(IniFile& ini, const PickerSettings& settings);

// "Set.ini" in the settings folder.
std::string SettingsFilePath();

}  // namespace zorvane

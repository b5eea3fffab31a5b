// Settings, recent files, dropped files, the about box, the home page and the module
// picker hook in here.

#include "ui/form1.h"

namespace zorvane {

void TForm1::InstallSettingsCommands() {}
void TForm1::LoadSettings() {}
void TForm1::SaveSettings() {}
void TForm1::RebuildRecentMenus() {}
void TForm1::OpenSelectModuleListClick(int) {}

}  // namespace zorvane

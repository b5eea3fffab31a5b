#include "core/module_list.h"
#include "platform/color_text.h"
#include "platform/ini_file.h"
#include "platform/shell_link.h"
#include "targets/fuzz_targets.h"
#include "targets/memory_file.h"
#include "targets/refusals.h"

namespace zorvane::fuzz {

// The bytes as "Set.ini": read every kind of value, change one, render the text.
Outcome FuzzIniFile(Bytes data) {
    MemoryFile file(data);
    IniFile ini(file.path());
    TextToColor(ini.ReadString("SET", "BACKCOLOR", "clWhite"));
    ini.ReadBool("WINDOW", "MAXIMIZE", false);
    ini.ReadInteger("WINDOW", "LEFT", 150);
    ini.ReadString("RECENT", "0", "");
    ini.WriteInteger("MAKEALLDLG", "COUNT", 8);
    ini.Text();
    return Outcome::Accepted;
}

Outcome FuzzModuleList(Bytes data) {
    ParseModuleList(data);
    return Outcome::Accepted;
}

Outcome FuzzShellLink(Bytes data) {
    return RefusalsAllowed([&] { ParseShellLinkTarget(data); });
}

}  // namespace zorvane::fuzz

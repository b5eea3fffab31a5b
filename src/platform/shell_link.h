#pragma once
// The target of a shortcut (.lnk) file, read from the Shell Link binary format: the
// local base path of its link information (Unicode when present, else the narrow code
// page) with the common path suffix, or else its relative path.

#include <cstdint>
#include <span>
#include <string>

#include "platform/folders.h"

namespace zorvane {

struct ShellLinkTarget {
    std::string path;       // as stored, Windows form, UTF-8
    bool relative = false;  // taken from the relative-path string: relative to the .lnk
};

// Raises ReadError for bytes that are not a readable shell link or name no local target.
ShellLinkTarget ParseShellLinkTarget(std::span<const std::uint8_t> data);

// The target as a path of this system: a drive path through the Wine prefix's dosdevices,
// a relative one beside the shortcut. Empty for a shortcut that cannot be read, names a
// network path or names nothing.
std::string ReadShortcutTarget(const std::string& shortcutPath, const FolderEnvironment& env);
std::string ReadShortcutTarget(const std::string& shortcutPath);

}  // namespace zorvane

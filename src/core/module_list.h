#pragma once
// The four cached module lists of the picker: which list each kind is, and reading a list
// file back ("name,count" per line).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zorvane {

struct ModuleListKind {
    const char* kindKey;       // "dll", "cpl", "exe", "DLL": distinct per kind
    const char* extension;     // lower-case, without the dot
    const char* listFileName;  // the bare file name in the settings folder
    bool tree;                 // true: the programs folder and everything below it
};

constexpr int kModuleListKindCount = 4;
// Kind 0..3; anything else is clamped into that range.
const ModuleListKind& ModuleListKindAt(int index);

struct ModuleListEntry {
    std::string name;   // file name, or path relative to the programs folder
    std::string count;  // the icon count as written
};

// Lines end in CR LF, a lone CR or a lone LF; each is cut at its first comma (a line
// without one gives the whole line as both parts); empty lines are dropped.
std::vector<ModuleListEntry> ParseModuleList(std::span<const std::uint8_t> bytes);
// Raises FileError when the file cannot be read.
std::vector<ModuleListEntry> ReadModuleList(const std::string& path);

}  // namespace zorvane

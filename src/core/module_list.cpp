#include "core/module_list.h"

#include <algorithm>
#include <string_view>

#include "platform/byte_reader.h"
#include "platform/file_io.h"
#include "platform/text_util.h"

namespace zorvane {
namespace {

constexpr ModuleListKind kKinds[kModuleListKindCount] = {
    {"dll", "dll", "Shell_dllList.txt", false},
    {"cpl", "cpl", "Shell_cplList.txt", false},
    {"exe", "exe", "Program_exeList.txt", true},
    {"DLL", "dll", "Program_dllList.txt", true},
};

ModuleListEntry entryOf(std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return {std::string(line), std::string(line)};
    return {std::string(line.substr(0, comma)), std::string(line.substr(comma + 1))};
}

}  // namespace

const ModuleListKind& ModuleListKindAt(int index) { return kKinds[std::clamp(index, 0, kModuleListKindCount - 1)]; }

std::vector<ModuleListEntry> ParseModuleList(std::span<const std::uint8_t> bytes) {
    const auto all = ByteReader(bytes).bytes(0, bytes.size());
    std::string_view text(reinterpret_cast<const char*>(all.data()), all.size());
    std::vector<ModuleListEntry> entries;
    for (std::string_view line : SplitLines(text))
        if (!line.empty()) entries.push_back(entryOf(line));
    return entries;
}

std::vector<ModuleListEntry> ReadModuleList(const std::string& path) { return ParseModuleList(ReadWholeFile(path)); }

}  // namespace zorvane

#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/edit_options.h"
#include "cli/file_messages.h"
#include "cli/group_address.h"
#include "core/icon_extraction.h"
#include "core/icon_file.h"
#include "export/export_names.h"
#include "platform/file_io.h"

namespace zorvane::cli {
namespace {

namespace fs = std::filesystem;

// Every group of the file as B-g.ico (B-g.cur) in the folder; a group that cannot be read is
// reported and the others are still written.
int WriteAllGroups(const std::string& path, int count, const fs::path& folder, const GroupQuery& query) {
    fs::create_directories(folder);
    const std::string base = fs::path(path).stem().string();
    const auto module = IsIconFilePath(path) ? nullptr : OpenResourceModule(path);
    // Listed once: the groups are taken by name, and one stream's buffer serves them all.
    const auto names = module ? module->Names(query.groupType()) : std::vector<ResourceName>{};
    int status = 0;
    TIconStream stream;
    ReplacingFileBatch files;
    for (int g = 0; g < count; ++g) {
        stream.clear();
        if (!module)
            LoadIconFile(stream, path);
        else if (static_cast<std::size_t>(g) < names.size())
            BuildIconFileFromGroup(*module, names[static_cast<std::size_t>(g)], stream, query);
        if (stream.empty()) {
            std::cerr << g << ": " << kNoIconsMessage << "\n";
            status = 1;
            continue;
        }
        files.Add((folder / GroupFileName(base, g, IconFileExtension(stream))).string(), stream.bytes());
    }
    files.Commit();
    return status;
}

}  // namespace

int RunGroup(Args args, std::ostream&) {
    std::vector<std::string> rest(args.begin(), args.end());
    const GroupQuery query = TakeGroupQuery(rest);
    ExpectPositional(rest, 3, "group: expected FILE G|all OUT [--cursors] [--lang ID]");
    const std::string& path = rest[0];
    const int count = GroupCountOfFile(path, query);
    if (count == 0) throw CommandFailed(kCannotOpenFile);
    if (rest[1] == "all") return WriteAllGroups(path, count, rest[2], query);
    TIconStream stream;
    LoadGroupOfFile(stream, path, ResolveGroup(path, rest[1], query), query);
    if (stream.empty()) throw CommandFailed(kNoIconsMessage);
    WriteFileReplacing(rest[2], stream.bytes());
    return 0;
}

}  // namespace zorvane::cli

#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/file_messages.h"
#include "core/icon_extraction.h"
#include "core/icon_file.h"
#include "platform/file_io.h"

namespace zorvane::cli {
namespace {

namespace fs = std::filesystem;

// Every group of the file as B-g.ico in the folder; a group that cannot be read is
// reported and the others are still written.
int WriteAllGroups(const std::string& path, int count, const fs::path& folder) {
    fs::create_directories(folder);
    const std::string base = fs::path(path).stem().string();
    const auto module = IsIconFilePath(path) ? std::nullopt : PeModule::Open(path);
    int status = 0;
    TIconStream stream;
    ReplacingFileBatch files;
    for (int g = 0; g < count; ++g) {
        stream.clear();
        if (module)
            LoadIconGroup(stream, *module, g);
        else
            LoadIconFile(stream, path);
        if (stream.empty()) {
            std::cerr << g << ": " << kNoIconsMessage << "\n";
            status = 1;
            continue;
        }
        files.Add((folder / (base + "-" + std::to_string(g) + ".ico")).string(), stream.bytes());
    }
    files.Commit();
    return status;
}

}  // namespace

int RunGroup(Args args, std::ostream&) {
    if (args.size() != 3) throw UsageError("group: expected FILE G|all OUT");
    const std::string& path = args[0];
    const int count = IconCountOfFile(path);
    if (count == 0) throw CommandFailed(kCannotOpenFile);
    if (args[1] == "all") return WriteAllGroups(path, count, args[2]);
    TIconStream stream;
    LoadGroupOfFile(stream, path, ParseInt(args[1], "G"));
    if (stream.empty()) throw CommandFailed(kNoIconsMessage);
    WriteFileReplacing(args[2], stream.bytes());
    return 0;
}

}  // namespace zorvane::cli

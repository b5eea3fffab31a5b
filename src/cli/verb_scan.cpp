#include "cli/commands.h"
#include "core/module_scan.h"

namespace zorvane::cli {

// The picker's list walk without a window: one "name,count" line per module with icons.
int RunScan(Args args, std::ostream& out) {
    const bool tree = args.size() == 3 && args[2] == "--tree";
    if (args.size() != 2 && !tree) throw UsageError("scan: expected ROOT EXT [--tree]");
    std::string extension = args[1];
    if (extension.starts_with(".")) extension.erase(0, 1);
    if (extension.empty()) throw UsageError("scan: EXT must not be empty");
    NoScanProgress progress;
    ModuleScanner scanner(progress);
    if (tree)
        scanner.WalkProgramFilesFolder(args[0], extension);
    else
        scanner.WalkSystemFolder(args[0], extension);
    for (const std::string& line : scanner.FileList()) out << line << "\n";
    return 0;
}

}  // namespace zorvane::cli

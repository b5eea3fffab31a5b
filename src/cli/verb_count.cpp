#include <filesystem>

#include "cli/commands.h"
#include "cli/file_messages.h"
#include "core/icon_file.h"

namespace zorvane::cli {

int RunCount(Args args, std::ostream& out) {
    if (args.size() != 1) throw UsageError("count: expected FILE");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(args[0], ec)) throw CommandFailed(kCannotOpenFile);
    out << IconCountOfFile(args[0]) << "\n";
    return 0;
}

}  // namespace zorvane::cli

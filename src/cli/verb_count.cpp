#include <filesystem>

#include "cli/commands.h"
#include "cli/edit_options.h"
#include "cli/file_messages.h"
#include "cli/group_address.h"
#include "core/icon_file.h"

namespace zorvane::cli {

int RunCount(Args args, std::ostream& out) {
    std::vector<std::string> rest(args.begin(), args.end());
    const GroupQuery query = TakeGroupQuery(rest);
    ExpectPositional(rest, 1, "count: expected FILE [--cursors]");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(rest[0], ec)) throw CommandFailed(kCannotOpenFile);
    out << GroupCountOfFile(rest[0], query) << "\n";
    return 0;
}

}  // namespace zorvane::cli

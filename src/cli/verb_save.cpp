#include "cli/commands.h"
#include "cli/edit_options.h"
#include "cli/group_address.h"
#include "cli/open_group.h"
#include "core/icon_encode.h"
#include "core/texts.h"

namespace zorvane::cli {

// The whole group as one icon file, adjusted and turned as the save command writes it.
int RunSave(Args args, std::ostream&) {
    std::vector<std::string> rest;
    const EditOptions edit = ParseEditOptions(args, rest);
    const GroupQuery query = TakeGroupQuery(rest);
    ExpectPositional(rest, 3, "save: expected FILE G OUT.ico [EDIT] [--cursors] [--lang ID]");
    const TIconStream stream = OpenIconGroup(rest[0], ResolveGroup(rest[0], rest[1], query), query);
    ConsoleMessageSink sink;
    if (!SaveIconGroup(stream, rest[2], edit.hue, edit.saturation, edit.value, edit.state, sink))
        throw CommandFailed(kIconFailedMessage);
    return 0;
}

}  // namespace zorvane::cli

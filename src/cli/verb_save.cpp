#include "cli/commands.h"
#include "cli/edit_options.h"
#include "cli/open_group.h"
#include "core/icon_encode.h"
#include "core/texts.h"

namespace zorvane::cli {

// The whole group as one icon file, adjusted and turned as the save command writes it.
int RunSave(Args args, std::ostream&) {
    std::vector<std::string> rest;
    const EditOptions edit = ParseEditOptions(args, rest);
    ExpectPositional(rest, 3, "save: expected FILE G OUT.ico [EDIT]");
    const TIconStream stream = OpenIconGroup(rest[0], ParseInt(rest[1], "G"));
    ConsoleMessageSink sink;
    if (!SaveIconGroup(stream, rest[2], edit.hue, edit.saturation, edit.value, edit.state, sink))
        throw CommandFailed(kIconFailedMessage);
    return 0;
}

}  // namespace zorvane::cli

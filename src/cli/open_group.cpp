#include "cli/open_group.h"

#include <iostream>

#include "cli/commands.h"
#include "cli/file_messages.h"
#include "core/icon_file.h"

namespace zorvane::cli {

TIconStream OpenIconGroup(const std::string& path, int group, const GroupQuery& query) {
    if (GroupCountOfFile(path, query) == 0) throw CommandFailed(kCannotOpenFile);
    TIconStream stream;
    LoadGroupOfFile(stream, path, group, query);
    if (stream.empty()) throw CommandFailed(kNoIconsMessage);
    FillMissingBitCounts(stream);
    return stream;
}

void ExpectImage(const TIconStream& stream, const std::string& groupText, const std::string& imageText, int image) {
    if (image < 0 || image >= ImageCount(stream))
        throw CommandFailed("group " + groupText + " has no image " + imageText);
}

bool ConsoleMessageSink::show(MessageKind kind, const std::string& text) {
    std::cerr << text << "\n";
    return kind != MessageKind::Confirmation;
}

}  // namespace zorvane::cli

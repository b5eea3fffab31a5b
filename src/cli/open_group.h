#pragma once
// The icon group a verb works on, read as the window reads it when the group is selected
// and listed (missing bit counts filled in).

#include <string>

#include "core/icon_extraction.h"
#include "core/icon_stream.h"
#include "platform/message_sink.h"

namespace zorvane::cli {

// Raises CommandFailed with the window's texts when the file has no icons or the group
// cannot be read.
TIconStream OpenIconGroup(const std::string& path, int group, const GroupQuery& query);

// Raises CommandFailed when the group has no image of that index: like a missing group, a
// fact of the file, not a wrong command.
void ExpectImage(const TIconStream& stream, const std::string& groupText, const std::string& imageText, int image);

// Messages of the core go to standard error, one per line.
class ConsoleMessageSink : public MessageSink {
public:
    bool show(MessageKind kind, const std::string& text) override;
};

}  // namespace zorvane::cli

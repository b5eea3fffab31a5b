#pragma once
// Where core and encoders report what the user must know at the point of failure.
// The window shows a message box; the command-line companion prints; tests record.

#include <string>
#include <utility>
#include <vector>

namespace zorvane {

// Plain: no icon, under the application title.
enum class MessageKind { Warning, Error, Information, Confirmation, Plain };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Returns true when the user answered OK (always true for kinds without a choice).
    virtual bool show(MessageKind kind, const std::string& text) = 0;
};

// Keeps every message; answers confirmations with a preset reply.
class RecordingMessageSink : public MessageSink {
public:
    struct Message {
        MessageKind kind;
        std::string text;
    };
    explicit RecordingMessageSink(bool confirm = true) : confirm_(confirm) {}
    bool show(MessageKind kind, const std::string& text) override {
        messages.push_back({kind, text});
        return kind == MessageKind::Confirmation ? confirm_ : true;
    }
    std::vector<Message> messages;

private:
    bool confirm_;
};

// Swallows everything; for callers that have no one to tell.
class SilentMessageSink : public MessageSink {
public:
    bool show(MessageKind kind, const std::string&) override { return kind != MessageKind::Confirmation; }
};

}  // namespace zorvane

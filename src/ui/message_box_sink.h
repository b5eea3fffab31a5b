#pragma once
// Messages and the default error report shown as message boxes.

#include <QString>

#include "platform/error_report.h"
#include "platform/message_sink.h"

class QWidget;

namespace zorvane {

// The caption of each kind of message box.
QString MessageCaption(MessageKind kind);

class MessageBoxSink : public MessageSink {
public:
    bool show(MessageKind kind, const std::string& text) override;
};

// The application's default error report: the error's text and an OK button, under the
// application title.
class MessageBoxErrorReport : public ErrorReport {
public:
    void report(const std::string& text) override;
};

}  // namespace zorvane

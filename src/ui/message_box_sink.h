#pragma once
// Messages and the default error report shown as message boxes.

#include <QString>
#include <memory>

#include "platform/error_report.h"
#include "platform/message_sink.h"

class QMessageBox;
class QWidget;

namespace zorvane {

// The caption of each kind of message box.
QString MessageCaption(MessageKind kind);

// The box a message is shown in: its kind's icon and caption, "OK" (the default) and for a
// confirmation "キャンセル"; lines break only where the text has a line break.
std::unique_ptr<QMessageBox> MakeMessageBox(MessageKind kind, const std::string& text, QWidget* parent);
// Takes back Qt's wrapping of long lines in a shown box and fits the box to its text.
void Unwrap(QMessageBox& box);

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

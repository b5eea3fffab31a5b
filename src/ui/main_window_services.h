#pragma once
// What the main window asks of the outside world: its dialogs, its message boxes and the
// default error report. The application passes Qt's; tests pass their own, so no test ever
// waits on a modal window.

#include <QColor>
#include <QString>
#include <optional>

#include "platform/error_report.h"
#include "platform/message_sink.h"

class QWidget;

namespace zorvane {

class SaveDialogs;

class Form1Dialogs {
public:
    virtual ~Form1Dialogs() = default;
    // The open dialog: the chosen existing file, or nothing when cancelled.
    virtual std::optional<QString> OpenFileName(QWidget* parent) = 0;
    // The colour dialog preset to initial: the chosen colour, or nothing when cancelled.
    virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
};

struct Form1Services {
    Form1Dialogs* dialogs = nullptr;
    MessageSink* messages = nullptr;
    ErrorReport* errors = nullptr;
    SaveDialogs* saveDialogs = nullptr;  // none: Qt's
};

// The services the running application uses: Qt's dialogs and message boxes.
Form1Services QtForm1Services();

}  // namespace zorvane

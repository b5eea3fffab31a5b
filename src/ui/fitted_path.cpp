#include "ui/fitted_path.h"

#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>

#include "core/fit_path_to_width.h"

namespace zorvane {

void ShowFittedPath(QLineEdit* edit, const QString& path) {
    const QFontMetrics metrics(edit->font());
    const auto width = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    // The frame and the text margins of the box take part of its width.
    const int room = edit->width() - 8;
    const char separator = QDir::separator().toLatin1();
    edit->setText(QString::fromStdString(FitPathToWidth(path.toStdString(), width, room, separator)));
}

}  // namespace zorvane

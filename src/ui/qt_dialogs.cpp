#include <QColorDialog>
#include <QFileDialog>

#include "controls/file_dialog_fit.h"
#include "ui/main_window_services.h"
#include "ui/message_box_sink.h"
#include "ui/name_filters.h"
#include "ui/qt_file_dialogs.h"

namespace zorvane {
namespace {

class QtDialogs : public Form1Dialogs {
public:
    std::optional<QString> OpenFileName(QWidget* parent) override {
        QFileDialog dialog(parent);
        PrepareOpenDialog(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().first();
    }

    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override {
        for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
        const QColor chosen = QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    }
};

}  // namespace

void PrepareOpenDialog(QFileDialog& dialog) {
    dialog.setWindowTitle("ファイルを開く");
    // Qt's own dialog speaks the window's language; the desktop's may not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The filter names already show their patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(QtNameFilters(kOpenFilter));
    FitFileDialogColumns(dialog, kDialogWidth);
}

Form1Services QtForm1Services() {
    static QtDialogs dialogs;
    static MessageBoxSink messages;
    static MessageBoxErrorReport errors;
    return {&dialogs, &messages, &errors};
}

}  // namespace zorvane

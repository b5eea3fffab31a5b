#include <QColorDialog>
#include <QFileDialog>

#include "ui/main_window_services.h"
#include "ui/message_box_sink.h"
#include "ui/name_filters.h"

namespace zorvane {
namespace {

const char kOpenFilter[] =
    "アイコンを取得したいファイル (*.*)|*.*|"
    "実行モジュール(*.exe *.dll *.cpl *.mun *.icl *.scr *.ocx *.ax *.sys *.mui *.efi *.drv;)|"
    "*.exe;*.dll;*.cpl;*.mun;*.icl;*.scr;*.ocx;*.ax;*.sys;*.mui;*.efi;*.drv;|"
    "アイコンファイル(*.ico *.cur)|*.ico;*.cur";

class QtDialogs : public Form1Dialogs {
public:
    std::optional<QString> OpenFileName(QWidget* parent) override {
        QFileDialog dialog(parent, "ファイルを開く");
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(QtNameFilters(kOpenFilter));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().first();
    }

    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override {
        for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    }
};

}  // namespace

Form1Services QtForm1Services() {
    static QtDialogs dialogs;
    static MessageBoxSink messages;
    static MessageBoxErrorReport errors;
    return {&dialogs, &messages, &errors};
}

}  // namespace zorvane

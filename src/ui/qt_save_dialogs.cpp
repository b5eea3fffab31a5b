#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

#include "controls/file_dialog_fit.h"
#include "ui/name_filters.h"
#include "ui/picture_preview.h"
#include "ui/qt_file_dialogs.h"
#include "ui/save_dialogs.h"

namespace zorvane {
namespace {

constexpr int kPreviewSize = 160;

// A box beside the file list that shows the picture under the cursor.
void AddPreview(QFileDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    auto* preview = new QLabel(&dialog);
    preview->setFixedSize(kPreviewSize, kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        const QImage image = LoadPreviewPicture(path);
        if (image.isNull()) {
            preview->clear();
            return;
        }
        // Small pictures are shown at their own size, larger ones scaled down.
        const QImage fitted = image.width() > kPreviewSize || image.height() > kPreviewSize
                                  ? image.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio)
                                  : image;
        preview->setPixmap(QPixmap::fromImage(fitted));
    });
}

class QtDialogsForSaving : public SaveDialogs {
public:
    bool ExecutePictureSave(QWidget* parent, PictureSaveDialogState& state) override {
        QFileDialog dialog(parent);
        PreparePictureSaveDialog(dialog, state);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        state.FileName = dialog.selectedFiles().first();
        if (const auto chosen = dialog.nameFilters().indexOf(dialog.selectedNameFilter()); chosen >= 0)
            state.FilterIndex = static_cast<int>(chosen) + 1;
        return true;
    }

    bool ShowModal(QDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }
};

}  // namespace

void PreparePictureSaveDialog(QFileDialog& dialog, const PictureSaveDialogState& state) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, so that the preview can sit beside the list.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The filter names already show their patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = QtNameFilters(kPictureSaveFilter);
    dialog.setNameFilters(filters);
    if (state.FilterIndex >= 1 && state.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[state.FilterIndex - 1]);
    dialog.setDefaultSuffix(state.DefaultExt);
    dialog.selectFile(state.FileName);
    AddPreview(dialog);
    FitFileDialogColumns(dialog, kDialogWidth + kPreviewSize);
}

SaveDialogs& QtSaveDialogs() {
    static QtDialogsForSaving dialogs;
    return dialogs;
}

}  // namespace zorvane

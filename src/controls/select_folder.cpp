#include "controls/select_folder.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QWidget>

#include "controls/file_dialog_fit.h"
#include "platform/shell_link.h"

namespace zorvane {

namespace {

// The screen of the active window, else of the owning window, else the first one.
QScreen* ScreenForDialog(const QObject* owner) {
    if (QWidget* active = QApplication::activeWindow()) return active->screen();
    if (auto* widget = qobject_cast<const QWidget*>(owner)) return widget->window()->screen();
    const auto screens = QGuiApplication::screens();
    return screens.isEmpty() ? nullptr : screens.first();
}

}  // namespace

QPoint FolderDialogPosition(const QRect& screen, const QSize& dialog) {
    return {screen.left() + (screen.width() - dialog.width()) / 2,
            screen.top() + (screen.height() - dialog.height()) / 3};
}

TSelectFolder::TSelectFolder(QObject* parent)
    : QObject(parent), resolveShortcut_([](const QString& path) {
          return QString::fromStdString(ReadShortcutTarget(path.toStdString()));
      }) {}

bool TSelectFolder::Execute() {
    try {
        const Request request{title_,
                              options_.testFlag(TSelectFolderOption::sfoUseInitialFolder) ? initialFolder_ : folder_,
                              options_.testFlag(TSelectFolderOption::sfoUseNewStyle)};
        const std::optional<QString> chosen = chooser_ ? chooser_(request) : RunDialog(request);
        if (!chosen) return false;
        const std::optional<QString> folder = ResolveToFolder(*chosen);
        if (!folder) return false;
        folder_ = *folder;
        return true;
    } catch (...) {
        // A failing browse is the same to the caller as a cancelled one.
        return false;
    }
}

std::optional<QString> TSelectFolder::ResolveToFolder(const QString& chosen) const {
    QFileInfo info(chosen);
    if (info.isSymLink()) {
        info = QFileInfo(info.canonicalFilePath());
    } else if (info.isFile() && info.suffix().compare("lnk", Qt::CaseInsensitive) == 0 && resolveShortcut_) {
        info = QFileInfo(resolveShortcut_(chosen));
    }
    if (!info.isDir()) return std::nullopt;  // nothing in the file system to hand back
    return info.absoluteFilePath();
}

std::optional<QString> TSelectFolder::RunDialog(const Request& request) const {
    QWidget* owner = qobject_cast<QWidget*>(parent());
    QFileDialog dialog(owner ? owner->window() : nullptr, request.title);
    // Our own dialog, not the desktop's, so that it can be placed and pre-selected.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    const QFileInfo preselect(request.preselect);
    if (!request.preselect.isEmpty() && preselect.isDir()) {
        dialog.setDirectory(preselect.absolutePath());
        dialog.selectFile(preselect.absoluteFilePath());
    }
    dialog.resize(dialog.sizeHint());
    FitFileDialogColumns(dialog, dialog.width());
    if (!request.newStyle) dialog.setFixedSize(dialog.size());
    if (QScreen* screen = ScreenForDialog(parent()))
        dialog.move(FolderDialogPosition(screen->geometry(), dialog.frameGeometry().size()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace zorvane

#pragma once
// A non-visual component that lets the user choose a folder with a folder dialog and
// returns its path. One instance serves several dialogs, so the folder last chosen in any
// of them is pre-selected the next time in all of them.

#include <QFlags>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace zorvane {

enum class TSelectFolderOption {
    sfoUseNewStyle = 0x1,       // the resizable dialog
    sfoUseInitialFolder = 0x2,  // pre-select InitialFolder instead of Folder
};
using TSelectFolderOptions = QFlags<TSelectFolderOption>;

// Where the folder dialog goes on a screen: centred horizontally, one third down.
QPoint FolderDialogPosition(const QRect& screen, const QSize& dialog);

// The target of a shortcut file, empty when the file is none or cannot be read.
using ShortcutResolver = std::function<QString(const QString& path)>;

class TSelectFolder : public QObject {
    Q_OBJECT
public:
    // What the dialog is asked to show; the answer is the chosen path, or none on cancel.
    struct Request {
        QString title;
        QString preselect;
        bool newStyle = false;
    };
    using Chooser = std::function<std::optional<QString>(const Request&)>;

    explicit TSelectFolder(QObject* parent = nullptr);

    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    QString InitialFolder() const { return initialFolder_; }
    void SetInitialFolder(const QString& folder) { initialFolder_ = folder; }
    QString Folder() const { return folder_; }
    void SetFolder(const QString& folder) { folder_ = folder; }
    TSelectFolderOptions Options() const { return options_; }
    void SetOptions(TSelectFolderOptions options) { options_ = options; }

    // True when a folder was chosen; Folder then holds its path (a chosen shortcut or link
    // to a folder gives the folder it points to). False on cancel, on a choice that is no
    // folder, or on any failure; Folder is then unchanged.
    bool Execute();

    // Replaces the dialog (tests, scripted runs); an empty function restores the dialog.
    void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }
    void SetShortcutResolver(ShortcutResolver resolver) { resolveShortcut_ = std::move(resolver); }

private:
    std::optional<QString> RunDialog(const Request& request) const;
    std::optional<QString> ResolveToFolder(const QString& chosen) const;

    QString title_, initialFolder_, folder_;
    TSelectFolderOptions options_;
    Chooser chooser_;
    ShortcutResolver resolveShortcut_;
};

}  // namespace zorvane

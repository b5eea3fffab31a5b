#pragma once
// The dialogs of the save commands, behind an interface so that tests answer them
// without a modal window: the window's picture save dialog and its option dialogs.

#include <QString>

class QDialog;
class QWidget;

namespace zorvane {

// The state of the window's one picture save dialog; filter choice and default extension
// carry over from one use to the next.
struct PictureSaveDialogState {
    QString FileName;
    int FilterIndex = 1;  // entries of kPictureSaveFilter, from 1
    QString DefaultExt = QStringLiteral("ico");
};

inline constexpr const char* kPictureSaveFilter =
    "アイコン (*.ico)|*.ico|ビットマップ (*.bmp)|*.bmp|Portable NetWork Graph (*.png)|*.png|"
    "CompuServe GIF (*.gif)|*.gif|すべてのファイル (*.*)|*.*";

class SaveDialogs {
public:
    virtual ~SaveDialogs() = default;
    // Shows the picture save dialog as state describes. On OK the chosen path is in
    // state.FileName, the filter the user ended on in state.FilterIndex, and it says true.
    virtual bool ExecutePictureSave(QWidget* parent, PictureSaveDialogState& state) = 0;
    // Shows a dialog modally; true when it closed with OK.
    virtual bool ShowModal(QDialog& dialog) = 0;
};

// Qt's file dialog (asking before it replaces a file, with a picture preview) and exec().
SaveDialogs& QtSaveDialogs();

}  // namespace zorvane

#pragma once
// The window's file dialogs as Qt's own dialog, set up but not shown.

class QFileDialog;

namespace zorvane {

// The open command's filters, "description|patterns" pairs.
inline constexpr const char* kOpenFilter =
    "アイコンを取得したいファイル (*.*)|*.*|"
    "実行モジュール(*.exe *.dll *.cpl *.mun *.icl *.scr *.ocx *.ax *.sys *.mui *.efi *.drv;)|"
    "*.exe;*.dll;*.cpl;*.mun;*.icl;*.scr;*.ocx;*.ax;*.sys;*.mui;*.efi;*.drv;|"
    "アイコンファイル(*.ico *.cur)|*.ico;*.cur";

struct PictureSaveDialogState;

// The open command's dialog: an existing file, its three filters, the first selected.
void PrepareOpenDialog(QFileDialog& dialog);
// The picture save dialog as state describes it, with a preview of the picture under the
// cursor beside the list.
void PreparePictureSaveDialog(QFileDialog& dialog, const PictureSaveDialogState& state);

}  // namespace zorvane

#pragma once
// Qt's own file dialog with columns that show their whole texts: its size, type and date
// columns start too narrow for their values (and more so for Japanese headers), so they
// are cut to a few characters.

class QFileDialog;

namespace zorvane {

// A width at which the file list of Qt's dialog shows names and details side by side.
constexpr int kDialogWidth = 700;

// The size, type and date columns take the width of their contents, the name column the
// rest; the dialog is at least minWidth pixels wide so that the name column keeps room.
void FitFileDialogColumns(QFileDialog& dialog, int minWidth);

}  // namespace zorvane

#pragma once

class QLineEdit;
class QString;

namespace zorvane {

// Shows a folder path in an edit box, leading folders cut until it fits the box's width.
void ShowFittedPath(QLineEdit* edit, const QString& path);

}  // namespace zorvane

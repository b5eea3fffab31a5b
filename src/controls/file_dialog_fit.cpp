#include "controls/file_dialog_fit.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

namespace zorvane {

void FitFileDialogColumns(QFileDialog& dialog, int minWidth) {
    if (auto* tree = dialog.findChild<QTreeView*>("treeView")) {
        QHeaderView* header = tree->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    dialog.resize(std::max(dialog.width(), minWidth), dialog.height());
}

}  // namespace zorvane

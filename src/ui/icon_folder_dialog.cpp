#include "ui/icon_folder_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "controls/select_folder.h"
#include "ui/fitted_path.h"
#include "ui/texts.h"

namespace zorvane {

TForm2::TForm2(TSelectFolder& selectFolder, QWidget* parent) : QDialog(parent), selectFolder_(selectFolder) {
    setWindowTitle(QStringLiteral("アイコンフォルダの変更"));
    setFixedSize(392, 88);
    move(485, 379);

    Label1 = new QLabel(QStringLiteral("アイコンを保存する既定のフォルダを選択してください。"), this);
    Label1->setGeometry(8, 8, 376, 16);
    // Only vPath is read back, so typing into the box would be lost: show it read-only.
    PathEdit = new QLineEdit(this);
    PathEdit->setReadOnly(true);
    PathEdit->setGeometry(8, 29, 350, 22);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setGeometry(362, 29, 22, 22);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(224, 58, 75, 25);
    BitBtn2 = new QPushButton(kCancelCaption, this);
    BitBtn2->setGeometry(309, 58, 75, 25);

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm2::SetvPath(const QString& path) {
    vPath_ = path;
    ShowFittedPath(PathEdit, path);
}

void TForm2::SpeedButton1Click() {
    if (selectFolder_.Execute()) SetvPath(selectFolder_.Folder());
}

}  // namespace zorvane

#include "ui/version_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "zorvane_version.h"

namespace zorvane {
namespace {

const QColor kBackground(255, 255, 238);
const QColor kText(34, 0, 0);
const QColor kLight(255, 170, 85);
const QColor kDark(204, 170, 85);

void Line(QPainter& p, const QColor& color, int x1, int y1, int x2, int y2) {
    p.setPen(color);
    p.drawLine(x1, y1, x2, y2);
}

}  // namespace

QString VersionText() {
    return QString("　Zorvane　v") + kVersion +
           "\t\n\n"
           "アイコン抽出・色変換ツール\n"
           "Copyright (C) Zorvane developers";
}

void PaintLattice(QPainter& p, int width, int height) {
    for (int i = 0; i <= width / 10; ++i) {
        Line(p, kLight, 10 * i + 5, 0, 10 * i + 5, height - 1);
        Line(p, kDark, 10 * i + 10, 0, 10 * i + 10, height - 1);
    }
    for (int i = 0; i <= height / 10; ++i) {
        Line(p, kDark, 0, 10 * i + 5, width - 1, 10 * i + 5);
        Line(p, kLight, 0, 10 * i + 10, width - 1, 10 * i + 10);
    }
}

TVersionDialog::TVersionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("バージョン情報");
    const QIcon icon = parent ? parent->windowIcon() : QApplication::windowIcon();
    IconLabel = new QLabel(this);
    IconLabel->setPixmap(icon.pixmap(32, 32));
    Message = new QLabel(VersionText(), this);
    Message->setTextFormat(Qt::PlainText);
    Message->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = Message->palette();
    palette.setColor(QPalette::WindowText, kText);
    Message->setPalette(palette);
    OKButton = new QPushButton("OK", this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(IconLabel, 0, Qt::AlignTop);
    top->addWidget(Message, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TVersionDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    PaintLattice(p, width(), height());
}

}  // namespace zorvane

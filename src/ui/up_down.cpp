#include "ui/up_down.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "controls/num_edit.h"

namespace zorvane {

TUpDown::TUpDown(TNumEdit* associate, int min, int max, QWidget* parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
    associate_->installEventFilter(this);
}

void TUpDown::StepBy(int delta) {
    const long long stepped = static_cast<long long>(associate_->Value()) + delta;
    associate_->SetValue(static_cast<int>(std::clamp<long long>(stepped, min_, max_)));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zorvane

#include "ui/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace zorvane {

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        // Items run down the first column, then down the next.
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(buttons_, &QButtonGroup::idClicked, this, [this] { emit clicked(); });
}

int TRadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = buttons_->button(index)) button->setChecked(true);
}

QRadioButton* TRadioGroup::item(int index) const { return qobject_cast<QRadioButton*>(buttons_->button(index)); }

}  // namespace zorvane

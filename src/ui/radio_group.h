#pragma once
// A captioned group of radio buttons in columns with one chosen index; clicked reports
// every click on an item, also on the one already chosen.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace zorvane {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* item(int index) const;

signals:
    void clicked();

private:
    QButtonGroup* buttons_;
};

}  // namespace zorvane

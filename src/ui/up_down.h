#pragma once
// Arrow buttons bound to a numeric edit: each click (or arrow key in the edit) steps the
// edit's value by one within a range, which is an ordinary text change of the edit.

#include <QWidget>

class QToolButton;

namespace zorvane {

class TNumEdit;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(TNumEdit* associate, int min, int max, QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    void StepBy(int delta);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TNumEdit* associate_;
    int min_, max_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace zorvane

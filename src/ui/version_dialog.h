#pragma once
// The about box: the application's icon, name and version and the credits on a cream
// background crossed by a lattice of orange lines.

#include <QDialog>

class QLabel;
class QPainter;
class QPushButton;

namespace zorvane {

class TVersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit TVersionDialog(QWidget* parent = nullptr);

    QLabel* IconLabel;
    QLabel* Message;
    QPushButton* OKButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The lattice over a width × height area: vertical lines every 10 pixels from x = 5, in two
// alternating colours, then horizontal lines the same way with the colours swapped.
void PaintLattice(QPainter& painter, int width, int height);

// The text of the about box, credits included.
QString VersionText();

}  // namespace zorvane

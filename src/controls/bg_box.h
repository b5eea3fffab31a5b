#pragma once
// A box covered by a small checkerboard; it sits behind the preview so that transparent
// pixels of an icon show as the familiar pattern.

#include <QImage>
#include <QWidget>

namespace zorvane {

class TbgBox : public QWidget {
    Q_OBJECT
public:
    explicit TbgBox(QWidget* parent = nullptr);

    // The 8 x 8 tile: 4-pixel squares, silver at top left and bottom right, white elsewhere.
    const QImage& CheckerTile() const { return tile_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage tile_;
};

}  // namespace zorvane

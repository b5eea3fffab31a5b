#include "controls/bg_box.h"

#include <QPainter>

namespace zorvane {
namespace {

QImage MakeCheckerTile() {
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::white);
    const QColor silver(192, 192, 192);
    QPainter p(&tile);
    p.fillRect(0, 0, 4, 4, silver);
    p.fillRect(4, 4, 4, 4, silver);
    return tile;
}

}  // namespace

TbgBox::TbgBox(QWidget* parent) : QWidget(parent), tile_(MakeCheckerTile()) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TbgBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The brush origin is the box's own corner, so the pattern stays put when it resizes.
    p.setBrushOrigin(0, 0);
    p.fillRect(rect(), QBrush(tile_));
}

}  // namespace zorvane

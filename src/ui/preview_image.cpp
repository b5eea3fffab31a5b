#include "ui/preview_image.h"

#include <QPaintEvent>
#include <QPainter>

namespace zorvane {

void TPreviewImage::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) return;
    QPainter p(this);
    const QRect dirty = event->rect();
    p.drawImage(dirty.topLeft(), picture_, dirty);
}

}  // namespace zorvane

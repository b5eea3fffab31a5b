#include "ui/preview_image.h"

#include <QPaintEvent>
#include <QPainter>

#include "controls/qt_image.h"
#include "core/icon_compositor.h"

namespace zorvane {

const QImage& TPreviewImage::Picture() const {
    if (!source_.empty() && picture_.size() != size())
        picture_ = ToQImage(StretchPartToSize(source_, width(), height(), 0, 0, width(), height()));
    return picture_;
}

void TPreviewImage::SetPicture(QImage picture) {
    source_ = Bitmap();
    picture_ = std::move(picture);
    update();
}

void TPreviewImage::SetStretchedPicture(Bitmap source) {
    source_ = std::move(source);
    picture_ = QImage();
    update();
}

void TPreviewImage::paintEvent(QPaintEvent* event) {
    const QRect dirty = event->rect();
    QPainter p(this);
    if (!source_.empty() && picture_.isNull()) {
        p.drawImage(dirty.topLeft(), ToQImage(StretchPartToSize(source_, width(), height(), dirty.x(), dirty.y(),
                                                                dirty.width(), dirty.height())));
        return;
    }
    if (picture_.isNull()) return;
    p.drawImage(dirty.topLeft(), picture_, dirty);
}

}  // namespace zorvane

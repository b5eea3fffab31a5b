#pragma once
// The picture control of the preview: draws its image at its own size, letting the
// background show through transparent pixels. No tooltip.

#include <QImage>
#include <QWidget>

#include "bitmap/bitmap.h"

namespace zorvane {

class TPreviewImage : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewImage(QWidget* parent = nullptr) : QWidget(parent) {}

    // The image as shown: the stretched source at the control's size when one is set.
    const QImage& Picture() const;
    void SetPicture(QImage picture);
    // Shows a 32-bit source stretched to the control's size by the nearest pixel. Only the
    // part being painted is stretched, so that a recolour of a zoomed preview costs the
    // source's pixels, not the zoomed ones.
    void SetStretchedPicture(Bitmap source);
    void Clear() { SetPicture({}); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bitmap source_;  // when set, what picture_ is made of on demand
    mutable QImage picture_;
};

}  // namespace zorvane

#pragma once
// The picture control of the preview: draws its image at its own size, letting the
// background show through transparent pixels. No tooltip.

#include <QImage>
#include <QWidget>

namespace zorvane {

class TPreviewImage : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewImage(QWidget* parent = nullptr) : QWidget(parent) {}

    const QImage& Picture() const { return picture_; }
    void SetPicture(QImage picture) {
        picture_ = std::move(picture);
        update();
    }
    void Clear() { SetPicture({}); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace zorvane

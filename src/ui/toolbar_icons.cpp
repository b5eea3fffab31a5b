#include "ui/toolbar_icons.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zorvane {
namespace {

const QColor kInk(40, 40, 40);

void Folder(QPainter& p) {
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(250, 210, 80));
    p.drawRect(1, 4, 13, 10);
    p.drawRect(1, 2, 5, 2);
    p.setBrush(QColor(255, 235, 140));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 14), QPoint(1, 14)}));
}

void Floppy(QPainter& p) {
    p.setPen(QColor(20, 40, 110));
    p.setBrush(QColor(60, 100, 200));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(4, 9, 7, 5);
}

void Page(QPainter& p, const QColor& fold) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(2, 0), QPoint(10, 0), QPoint(13, 3), QPoint(13, 15), QPoint(2, 15)}));
    p.setBrush(fold);
    p.drawPolygon(QPolygon({QPoint(10, 0), QPoint(13, 3), QPoint(10, 3)}));
}

void Letter(QPainter& p, const QString& letters, const QColor& color) {
    Page(p, color);
    p.fillRect(0, 7, 16, 8, color);
    QFont font = p.font();
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 7, 16, 8), Qt::AlignCenter, letters);
}

void Magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(kInk, 2));
    p.drawLine(10, 10, 14, 14);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(1, 1, 10, 10);
    p.drawLine(4, 6, 8, 6);
    if (plus) p.drawLine(6, 4, 6, 8);
}

void Swatches(QPainter& p) {
    p.setPen(kInk);
    const QColor colors[4] = {QColor(230, 40, 40), QColor(40, 180, 60), QColor(40, 90, 230), QColor(250, 210, 40)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.drawRect(1 + 7 * (i % 2), 1 + 7 * (i / 2), 6, 6);
    }
}

void House(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(200, 60, 40));
    p.drawPolygon(QPolygon({QPoint(0, 8), QPoint(8, 1), QPoint(15, 8)}));
    p.setBrush(QColor(240, 230, 200));
    p.drawRect(3, 8, 10, 7);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(7, 10, 3, 5);
}

void SingleIconImage(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 13, 13);
    QConicalGradient wheel(8, 8, 0);
    for (int i = 0; i <= 6; ++i) wheel.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 220, 240));
    p.setBrush(wheel);
    p.drawEllipse(3, 3, 9, 9);
}

void Draw(QPainter& p, ToolbarImage image) {
    switch (image) {
    case ToolbarImage::Open: Folder(p); break;
    case ToolbarImage::Save: Floppy(p); break;
    case ToolbarImage::SaveAs:
        Floppy(p);
        p.setPen(QPen(QColor(230, 150, 20), 2));
        p.drawLine(8, 14, 15, 7);
        break;
    case ToolbarImage::Close:
        Page(p, QColor(220, 220, 220));
        p.setPen(QPen(QColor(210, 30, 30), 2));
        p.drawLine(4, 5, 11, 12);
        p.drawLine(11, 5, 4, 12);
        break;
    case ToolbarImage::BackgroundColor: Swatches(p); break;
    case ToolbarImage::ZoomIn: Magnifier(p, true); break;
    case ToolbarImage::ZoomOut: Magnifier(p, false); break;
    case ToolbarImage::HomePage: House(p); break;
    case ToolbarImage::SingleIcon: SingleIconImage(p); break;
    case ToolbarImage::Bmp: Letter(p, "BMP", QColor(40, 110, 200)); break;
    case ToolbarImage::Png: Letter(p, "PNG", QColor(30, 150, 70)); break;
    case ToolbarImage::Gif: Letter(p, "GIF", QColor(200, 90, 30)); break;
    }
}

}  // namespace

QIcon ToolbarIcon(ToolbarImage image) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    Draw(p, image);
    return QIcon(pixmap);
}

QImage ApplicationIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    SingleIconImage(p);
    return image;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(size)));
    return icon;
}

}  // namespace zorvane

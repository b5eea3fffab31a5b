// The edit toolbox and the preview: colour bars, transform commands, zoom and placement.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>

#include "controls/bg_box.h"
#include "controls/focus_edge_scroll_bar.h"
#include "core/color_adjust.h"
#include "core/preview_icon.h"
#include "ui/main_window.h"
#include "ui/preview_image.h"

namespace zorvane {

int TForm1::ZoomFactor() const {
    const int index = ComboZoom->currentIndex();
    return index == ComboZoom->count() - 1 ? 8 : index + 1;
}

int TForm1::Hue() const { return SBar_H->value(); }
int TForm1::Saturation() const { return SBar_S->value(); }
int TForm1::Value() const { return SBar_V->value(); }

void TForm1::TransButtonClick(int tag) {
    switch (tag) {
    case 1: Transform.TurnRight(); break;
    case 2: Transform.TurnLeft(); break;
    case 3: Transform.Turn180(); break;
    case 4: Transform.MirrorLeftRight(); break;
    case 5: Transform.MirrorTopBottom(); break;
    case 6:
        Transform.Reset();
        ResetColorBars();
        break;
    default: return;
    }
    ListView1SelectItem();
}

void TForm1::RenderPreview(int index) {
    std::string info;
    const auto icon = CreatePreviewIcon(IconStream, index, info);
    SBInfo->setText(QString::fromStdString(info));
    if (!icon) return;
    Image->Clear();
    WorkBitmap = BuildPreviewBitmap(*icon, Transform, PreviewKeyColor);
    ComboZoomChange();
}

void TForm1::Recolor() {
    if (WorkBitmap.empty()) return;
    Bitmap adjusted = AdjustPreviewColors(WorkBitmap, Hue(), Saturation(), Value(), PreviewKeyColor);
    // The key colour is left alone by the adjustment, so it still marks the background.
    adjusted.setTransparentColor(PreviewKeyColor);
    MarkTransparentColor(adjusted);
    Image->SetStretchedPicture(std::move(adjusted));
}

void TForm1::ScrollBarChange(TFocusEdgeScrollBar* bar) {
    QLabel* labels[3] = {LabelH, LabelS, LabelV};
    const int tag = bar->property("tag").toInt();
    if (tag >= 1 && tag <= 3) labels[tag - 1]->setText(QString::number(bar->value()));
}

void TForm1::ScrollBarScroll(QObject* sender) {
    if (auto* bar = qobject_cast<TFocusEdgeScrollBar*>(sender)) ScrollBarChange(bar);
    Recolor();
}

void TForm1::ResetColorBars() {
    for (TFocusEdgeScrollBar* bar : {SBar_H, SBar_S, SBar_V}) bar->setValue(0);
    for (QLabel* label : {LabelH, LabelS, LabelV}) label->setText("0");
    ScrollBarScroll(this);
}

void TForm1::ComboZoomChange() {
    const int index = ComboZoom->currentIndex();
    if (index >= 0 && index < ZoomItems.size()) ZoomItems[index]->setChecked(true);
    const int zoom = ZoomFactor();
    if (WorkBitmap.empty())
        PlacePreview(0, 0);
    else
        PlacePreview(zoom * WorkBitmap.width(), zoom * (WorkBitmap.height() - 1) + 1);
    Recolor();
}

void TForm1::ZoomExecute() {
    if (ComboZoom->currentIndex() >= ComboZoom->count() - 1) return;
    bgBox1->update();
    ComboZoom->setCurrentIndex(ComboZoom->currentIndex() + 1);
    ComboZoomChange();
}

void TForm1::IconnicExecute() {
    if (ComboZoom->currentIndex() <= 0) return;
    bgBox1->update();
    ComboZoom->setCurrentIndex(ComboZoom->currentIndex() - 1);
    ComboZoomChange();
}

void TForm1::N8001Click(QAction* item) {
    item->setChecked(true);
    ComboZoom->setCurrentIndex(static_cast<int>(ZoomItems.indexOf(item)));
    ComboZoomChange();
}

void TForm1::PlacePreview(int width, int height) {
    const QSize area = ImgBox->viewport()->size();
    const int left = std::max(0, (area.width() - width) / 2);
    const int top = std::max(0, (area.height() - height) / 2);
    Image->setGeometry(left, top, width, height);
    // The box behind grows with the image so that the area scrolls to every part of it.
    bgBox1->resize(std::max(area.width(), left + width), std::max(area.height(), top + height));
}

}  // namespace zorvane

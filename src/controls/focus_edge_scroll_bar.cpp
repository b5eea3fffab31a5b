#include "controls/focus_edge_scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zorvane {
namespace {

int ScrollCodeOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return SB_LINELEFT;
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINERIGHT;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGELEFT;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGERIGHT;
    case QAbstractSlider::SliderToMinimum: return SB_LEFT;
    case QAbstractSlider::SliderToMaximum: return SB_RIGHT;
    default: return SB_THUMBTRACK;
    }
}

// Every point of the segment from a to b except b, on a horizontal or vertical line.
void AddSegment(std::vector<QPoint>& out, QPoint a, QPoint b) {
    const int dx = (b.x() > a.x()) - (b.x() < a.x());
    const int dy = (b.y() > a.y()) - (b.y() < a.y());
    for (QPoint p = a; p != b; p += QPoint(dx, dy)) out.push_back(p);
}

}  // namespace

std::optional<QAbstractSlider::SliderAction> TFocusEdgeScrollBar::KeyAction(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up: return SliderSingleStepSub;
    case Qt::Key_Right:
    case Qt::Key_Down: return SliderSingleStepAdd;
    case Qt::Key_PageUp: return SliderPageStepSub;
    case Qt::Key_PageDown: return SliderPageStepAdd;
    case Qt::Key_Home: return SliderToMinimum;
    case Qt::Key_End: return SliderToMaximum;
    default: return std::nullopt;
    }
}

TFocusEdgeScrollBar::TFocusEdgeScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    resize(175, 17);
    setPageStep(10);
    setSingleStep(1);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &TFocusEdgeScrollBar::OnActionTriggered);
    connect(this, &QAbstractSlider::valueChanged, this, &TFocusEdgeScrollBar::OnValueChanged);
    connect(this, &QAbstractSlider::sliderReleased, this, [this] { emit Scrolled(SB_THUMBPOSITION); });
}

std::array<std::array<QPoint, 3>, 4> TFocusEdgeScrollBar::Brackets(int w, int h, int l) {
    return {{
        {QPoint(l, 0), QPoint(0, 0), QPoint(0, l)},
        {QPoint(0, h - l - 1), QPoint(0, h - 1), QPoint(l, h - 1)},
        {QPoint(w - l - 1, h - 1), QPoint(w - 1, h - 1), QPoint(w - 1, h - l - 1)},
        {QPoint(w - 1, l), QPoint(w - 1, 0), QPoint(w - l - 1, 0)},
    }};
}

std::vector<QPoint> TFocusEdgeScrollBar::BracketPixels(int w, int h, int l) {
    std::vector<QPoint> pixels;
    for (const auto& line : Brackets(w, h, l)) {
        AddSegment(pixels, line[0], line[1]);
        AddSegment(pixels, line[1], line[2]);
    }
    return pixels;
}

void TFocusEdgeScrollBar::HandleScrollCode(int code) {
    if (code == SB_LINELEFT || code == SB_LINERIGHT || code == SB_ENDSCROLL) {
        bracketsOnce_ = true;
        repaint();
    }
}

void TFocusEdgeScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    const bool draw = hasFocus() || bracketsOnce_;
    bracketsOnce_ = false;
    if (!draw) return;
    QPainter p(this);
    p.setPen(QColor::fromRgb(FromTColor(edgeColor_).red, FromTColor(edgeColor_).green, FromTColor(edgeColor_).blue));
    for (const QPoint& pt : BracketPixels(width(), height(), static_cast<int>(cornerSize_))) p.drawPoint(pt);
}

void TFocusEdgeScrollBar::focusInEvent(QFocusEvent* event) {
    QScrollBar::focusInEvent(event);
    update();
}

void TFocusEdgeScrollBar::focusOutEvent(QFocusEvent* event) {
    QScrollBar::focusOutEvent(event);
    update();
}

void TFocusEdgeScrollBar::mousePressEvent(QMouseEvent* event) {
    // The brackets show before the click starts scrolling.
    if (event->button() == Qt::LeftButton && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        repaint();
    }
    QScrollBar::mousePressEvent(event);
}

void TFocusEdgeScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    QScrollBar::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) EndScroll();
}

void TFocusEdgeScrollBar::keyPressEvent(QKeyEvent* event) {
    // Qt's scroll bars step the other way for Left and Right; these keys move the bar as
    // its arrow buttons do.
    const std::optional<SliderAction> action = KeyAction(event->key());
    if (!action) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(*action);
    event->accept();
}

void TFocusEdgeScrollBar::keyReleaseEvent(QKeyEvent* event) {
    QScrollBar::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) EndScroll();
}

void TFocusEdgeScrollBar::OnActionTriggered(int action) {
    // Qt reports the action before it moves the position; the notification goes out after,
    // or at once when the action leaves the position where it is (a bar at its end).
    pendingCode_ = ScrollCodeOf(action);
    if (sliderPosition() == value()) OnValueChanged();
}

void TFocusEdgeScrollBar::OnValueChanged() {
    if (pendingCode_ < 0) return;
    const int code = pendingCode_;
    pendingCode_ = -1;
    emit Scrolled(code);
    HandleScrollCode(code);
}

void TFocusEdgeScrollBar::EndScroll() {
    emit Scrolled(SB_ENDSCROLL);
    HandleScrollCode(SB_ENDSCROLL);
}

}  // namespace zorvane

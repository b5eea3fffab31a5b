#pragma once
// A scroll bar that marks its four corners with small coloured brackets while it has the
// keyboard focus, so the user sees which of several bars the arrow keys will move.

#include <QPoint>
#include <QScrollBar>
#include <array>
#include <optional>
#include <vector>

#include "bitmap/bitmap.h"

namespace zorvane {

// The scroll notification codes a bar reports, in the platform's numbering.
enum ScrollCode {
    SB_LINELEFT = 0,
    SB_LINERIGHT = 1,
    SB_PAGELEFT = 2,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_LEFT = 6,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

class TFocusEdgeScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit TFocusEdgeScrollBar(QWidget* parent = nullptr);

    TColor FocusEdgeColor() const { return edgeColor_; }
    // Stored only; shows with the next repaint.
    void SetFocusEdgeColor(TColor color) { edgeColor_ = color; }
    unsigned CornerSize() const { return cornerSize_; }
    // 0 is ignored: a bracket without arms would mark nothing.
    void SetCornerSize(unsigned size) {
        if (size != 0) cornerSize_ = size;
    }

    // The four bracket polylines for a control of w x h with arm length l. The last point
    // of each segment is not painted.
    static std::array<std::array<QPoint, 3>, 4> Brackets(int w, int h, int l);
    // The pixels the brackets cover, for a control of w x h.
    static std::vector<QPoint> BracketPixels(int w, int h, int l);

    // Handles a scroll notification after the position moved: line steps and the end of
    // a user action redraw the brackets, focused or not.
    void HandleScrollCode(int code);

    // The step a key makes: Left and Up one down, Right and Down one up, the page keys ten,
    // Home and End to the ends; nothing for other keys.
    static std::optional<SliderAction> KeyAction(int key);

signals:
    // Every user action on the bar, after the position changed; SB_ENDSCROLL closes it.
    void Scrolled(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void OnActionTriggered(int action);
    void OnValueChanged();
    void EndScroll();

    TColor edgeColor_ = 255;
    unsigned cornerSize_ = 3;
    int pendingCode_ = -1;
    bool bracketsOnce_ = false;
};

}  // namespace zorvane

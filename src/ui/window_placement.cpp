#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace zorvane {
namespace {

// The frame round a top-level window: its own once shown, else that of the window it
// belongs to; none while neither has been on screen.
QMargins FrameOf(const QWidget& window) {
    for (const QWidget* w = &window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w->isVisible() && w->windowHandle() && !w->windowHandle()->frameMargins().isNull())
            return w->windowHandle()->frameMargins();
    }
    return {};
}

QSize FrameSize(const QMargins& m) { return {m.left() + m.right(), m.top() + m.bottom()}; }

// The stored size as the window will take it: never below what its layout needs.
QSize TakenSize(const QWidget& window, const QSize& stored) {
    return stored.expandedTo(window.minimumSize()).expandedTo(window.minimumSizeHint());
}

// Positions are those of the frame, sizes those inside it, as move() and resize() take them.
void SetOuterRect(QWidget& window, const QRect& outer, const QMargins& frame) {
    window.resize((outer.size() - FrameSize(frame)).expandedTo({1, 1}));
    window.move(outer.topLeft());
}

}  // namespace

QRect FitToArea(const QRect& window, const QRect& area) {
    if (area.isEmpty()) return window;
    const int width = std::clamp(window.width(), 1, area.width());
    const int height = std::clamp(window.height(), 1, area.height());
    const int left = std::clamp(window.left(), area.left(), area.left() + area.width() - width);
    const int top = std::clamp(window.top(), area.top(), area.top() + area.height() - height);
    return {left, top, width, height};
}

QRect AvailableScreenArea(const QRect& window) {
    const QScreen* screen = QGuiApplication::screenAt(window.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void PlaceOnScreen(QWidget& window, const QRect& stored) {
    const QMargins frame = FrameOf(window);
    const QRect outer(stored.topLeft(), TakenSize(window, stored.size()) + FrameSize(frame));
    SetOuterRect(window, FitToArea(outer, AvailableScreenArea(outer)), frame);
}

void CentreOnScreen(QWidget& window, const QSize& stored) {
    const QScreen* screen = window.screen();
    const QMargins frame = FrameOf(window);
    const QSize outer = TakenSize(window, stored) + FrameSize(frame);
    const QRect area = screen ? screen->availableGeometry() : AvailableScreenArea(QRect(window.pos(), outer));
    const QRect fitted = FitToArea(QRect(area.topLeft(), outer), area);
    SetOuterRect(window, fitted.translated(area.center() - fitted.center()), frame);
}

}  // namespace zorvane

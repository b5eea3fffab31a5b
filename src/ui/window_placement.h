#pragma once
// Stored window places and sizes brought onto the screen. A settings file written on a
// larger screen, or edited by hand, must not open a window whose buttons lie off-screen,
// and what is written back afterwards is the place the window really had.

#include <QRect>

class QWidget;

namespace zorvane {

// The window rectangle moved and shrunk, as little as it takes, to lie within area; sides
// below 1 become 1.
QRect FitToArea(const QRect& window, const QRect& area);

// The available area of the screen that holds the rectangle's centre, or of the primary
// screen when none does; empty without any screen.
QRect AvailableScreenArea(const QRect& window);

// Moves and sizes a top-level window to the stored rectangle (the frame's place, the size
// inside the frame), fitted to the screen with the frame when the frame is known: the
// window's own once shown, else that of the window it belongs to.
void PlaceOnScreen(QWidget& window, const QRect& stored);

// Sizes a top-level window to the stored size, fitted to its screen as above, and centres
// it there.
void CentreOnScreen(QWidget& window, const QSize& stored);

}  // namespace zorvane

#pragma once
// The toolbar and menu images, drawn at 16 x 16.

#include <QIcon>
#include <QImage>

namespace zorvane {

enum class ToolbarImage {
    Open,
    Save,
    SaveAs,
    Close,
    BackgroundColor,
    ZoomIn,
    ZoomOut,
    HomePage,
    SingleIcon,
    Bmp,
    Png,
    Gif
};

QIcon ToolbarIcon(ToolbarImage image);
// The window's icon: a colour wheel.
QIcon ApplicationIcon();
// The same design drawn at size x size, for the desktop's icon theme.
QImage ApplicationIconImage(int size);

}  // namespace zorvane

// Zorvane: takes icons out of files and re-colours them.

#include <QApplication>
#include <iostream>

#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/qt_translation.h"
#include "zorvane_version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its entry (the Wayland app id), and so to its icon.
    QGuiApplication::setDesktopFileName(zorvane::kDesktopId);
    zorvane::InstallQtTranslation(app);
    zorvane::TForm1 window;
    window.show();
    // Qt has taken its own options out of the arguments by now.
    zorvane::OpenFromArguments(window, app.arguments().mid(1), std::cerr);
    return app.exec();
}

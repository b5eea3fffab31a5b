// Zorvane: takes icons out of files and re-colours them.

#include <QApplication>
#include <iostream>

#include "ui/command_line.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zorvane::TForm1 window;
    window.show();
    // Qt has taken its own options out of the arguments by now.
    zorvane::OpenFromArguments(window, app.arguments().mid(1), std::cerr);
    return app.exec();
}

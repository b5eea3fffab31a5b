// Zorvane: takes icons out of files and re-colours them.

#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zorvane::TForm1 window;
    window.show();
    return app.exec();
}

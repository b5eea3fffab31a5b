// Build tool: draws the application's icon into an icon theme folder,
// OUTDIR/<size>x<size>/apps/NAME.png, at the sizes the desktops look for.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ui/toolbar_icons.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_app_icons OUTDIR NAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]), name = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder) || !zorvane::ApplicationIconImage(size).save(folder + "/" + name + ".png")) {
            std::fprintf(stderr, "make_app_icons: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}

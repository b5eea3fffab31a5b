#include "controls/grid_icon_source.h"

#include "core/icon_by_index.h"
#include "core/icon_file.h"

namespace zorvane {

int CoreGridIconSource::Count(const QString& path) {
    try {
        return IconCountOfFile(path.toStdString());
    } catch (const std::exception&) {
        return 0;
    }
}

QImage CoreGridIconSource::Icon(const QString& path, int index) {
    const Bitmap argb = IconByIndex(path.toStdString(), index);
    if (argb.empty()) return {};
    // The bitmap's bytes are blue, green, red, alpha: Qt's ARGB32 on a little-endian machine.
    return QImage(argb.pixels().data(), argb.width(), argb.height(), static_cast<qsizetype>(argb.rowBytes()),
                  QImage::Format_ARGB32)
        .copy();
}

GridIconSource& DefaultGridIconSource() {
    static CoreGridIconSource source;
    return source;
}

}  // namespace zorvane

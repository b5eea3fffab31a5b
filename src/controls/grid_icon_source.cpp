#include "controls/grid_icon_source.h"

#include "controls/qt_image.h"
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
    return ToQImage(IconByIndex(path.toStdString(), index));
}

GridIconSource& DefaultGridIconSource() {
    static CoreGridIconSource source;
    return source;
}

}  // namespace zorvane

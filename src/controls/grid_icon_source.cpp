#include "controls/grid_icon_source.h"

#include "controls/qt_image.h"
#include "core/icon_by_index.h"
#include "core/icon_extraction.h"
#include "core/icon_file.h"

namespace zorvane {

int CoreGridIconSource::Count(const QString& path) {
    Close();
    try {
        const std::string file = path.toStdString();
        if (IsIconFilePath(file)) return IconCountOfFile(file);
        module_ = OpenResourceModule(file);
        if (!module_) return 0;
        groups_ = module_->Names(kResourceTypeGroupIcon);
        openPath_ = path;
        return static_cast<int>(groups_.size());
    } catch (const std::exception&) {
        Close();
        return 0;
    }
}

QImage CoreGridIconSource::Icon(const QString& path, int index) {
    if (!module_ || path != openPath_) return ToQImage(IconByIndex(path.toStdString(), index));
    if (index < 0 || static_cast<std::size_t>(index) >= groups_.size()) return {};
    TIconStream stream;
    try {
        BuildIconFileFromGroup(*module_, groups_[static_cast<std::size_t>(index)], stream);
    } catch (const std::exception&) {
        return {};
    }
    stream.seek(0);
    return ToQImage(IconOfGroup(stream));
}

void CoreGridIconSource::Close() {
    module_.reset();
    groups_.clear();
    openPath_.clear();
}

}  // namespace zorvane

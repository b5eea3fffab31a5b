#include "controls/qt_image.h"

#include <utility>

namespace zorvane {

QImage ToQImage(Bitmap bitmap32) {
    if (bitmap32.empty()) return {};
    auto* owned = new Bitmap(std::move(bitmap32));
    return QImage(
        owned->pixels().data(), owned->width(), owned->height(), static_cast<qsizetype>(owned->rowBytes()),
        QImage::Format_ARGB32, [](void* p) { delete static_cast<Bitmap*>(p); }, owned);
}

}  // namespace zorvane

#include "ui/picture_preview.h"

#include <QFileInfo>

#include <utility>

#include "controls/qt_image.h"
#include "encoders/picture_formats.h"
#include "platform/file_io.h"

namespace zorvane {

namespace {

// Limits what a preview reads: a picture file larger than this is no icon-sized picture.
constexpr qint64 kMaxPreviewFileBytes = 64 * 1024 * 1024;

}  // namespace

QImage LoadPreviewPicture(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxPreviewFileBytes) return {};
    const PictureFormat* format = PictureFormatForExtension(info.suffix().toStdString());
    if (!format || !format->load) return QImage(path);
    try {
        Bitmap bitmap = format->load(ReadWholeFile(path.toStdString()));
        if (bitmap.bitsPerPixel() != 32 || bitmap.empty()) return {};
        return ToQImage(std::move(bitmap));
    } catch (const std::exception&) {
        return {};  // a damaged file simply shows no preview
    }
}

}  // namespace zorvane

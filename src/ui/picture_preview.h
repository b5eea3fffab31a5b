#pragma once
// The picture a save dialog shows for the file under the cursor: PNG files through our
// reader, icons, bitmaps and GIFs through Qt's image readers.

#include <QImage>
#include <QString>

namespace zorvane {

// A null image when the file is no picture that can be read.
QImage LoadPreviewPicture(const QString& path);

}  // namespace zorvane

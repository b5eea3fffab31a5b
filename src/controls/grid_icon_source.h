#pragma once
// Where an icon grid gets its icon count and the icon of each cell. The application uses
// the icon core; tests and benchmarks can count or fake the calls.

#include <QImage>
#include <QString>

namespace zorvane {

class GridIconSource {
public:
    virtual ~GridIconSource() = default;
    // The number of icons of a file (0 when it holds none or cannot be read).
    virtual int Count(const QString& path) = 0;
    // Icon i at the large icon size as ARGB, or a null image when there is none.
    virtual QImage Icon(const QString& path, int index) = 0;
};

// The icon core's count and icon-by-index compositing.
class CoreGridIconSource : public GridIconSource {
public:
    int Count(const QString& path) override;
    QImage Icon(const QString& path, int index) override;
};

// The process-wide core source, the default of every grid.
GridIconSource& DefaultGridIconSource();

}  // namespace zorvane

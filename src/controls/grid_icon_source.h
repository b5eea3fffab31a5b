#pragma once
// Where an icon grid gets its icon count and the icon of each cell. The application uses
// the icon core; tests and benchmarks can count or fake the calls.

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "platform/resource_module.h"

namespace zorvane {

class GridIconSource {
public:
    virtual ~GridIconSource() = default;
    // The number of icons of a file (0 when it holds none or cannot be read).
    virtual int Count(const QString& path) = 0;
    // Icon i at the large icon size as ARGB, or a null image when there is none.
    virtual QImage Icon(const QString& path, int index) = 0;
    // The grid no longer shows the file last counted.
    virtual void Close() {}
};

// The icon core's count and icon-by-index compositing. The module last counted stays open,
// with its group names, until it is closed or another file is counted: a page of cells
// then costs no opening and no directory walk per cell.
class CoreGridIconSource : public GridIconSource {
public:
    int Count(const QString& path) override;
    QImage Icon(const QString& path, int index) override;
    void Close() override;

private:
    QString openPath_;
    std::unique_ptr<ResourceModule> module_;
    std::vector<ResourceName> groups_;
};

}  // namespace zorvane

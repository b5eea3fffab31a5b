#pragma once
// File dialog filters written as "description|patterns|description|patterns", turned into
// Qt's name filters.

#include <QStringList>

namespace zorvane {

// Each pair becomes "description (patterns)" with the patterns separated by spaces; "*.*"
// means every file, as on the platform the filters were written for.
QStringList QtNameFilters(const QString& filter);

}  // namespace zorvane

#include "ui/name_filters.h"

namespace zorvane {

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& p : patterns)
            if (p == "*.*") p = "*";
        out << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return out;
}

}  // namespace zorvane

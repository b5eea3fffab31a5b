#pragma once
// Hints are written "short|long": the short part is the tooltip, the long part goes to the
// hint bar. A hint without "|" is both.

#include <QString>

class QAction;
class QObject;
class QWidget;

namespace zorvane {

QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);
// The hint as given, kept with the control.
QString HintOf(const QObject* object);

}  // namespace zorvane

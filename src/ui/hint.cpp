#include "ui/hint.h"

#include <QAction>
#include <QWidget>

namespace zorvane {

QString ShortHint(const QString& hint) { return hint.section('|', 0, 0); }

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setProperty("hint", hint);
    widget->setToolTip(ShortHint(hint));
    widget->setStatusTip(LongHint(hint));
}

void SetHint(QAction* action, const QString& hint) {
    action->setProperty("hint", hint);
    action->setToolTip(ShortHint(hint));
    action->setStatusTip(LongHint(hint));
}

QString HintOf(const QObject* object) { return object->property("hint").toString(); }

}  // namespace zorvane

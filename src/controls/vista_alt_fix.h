#pragma once
// Repaints forms after the system changes their keyboard-cue state. Only themed Windows
// desktops need it; here it is present so the main window can own one, and stays inactive.

#include <QObject>

namespace zorvane {

class TVistaAltFix : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool RepaintAll READ RepaintAll WRITE SetRepaintAll)
public:
    explicit TVistaAltFix(QObject* owner = nullptr) : QObject(owner) {}

    bool RepaintAll() const { return repaintAll_; }
    void SetRepaintAll(bool on) { repaintAll_ = on; }
    // Qt repaints after keyboard-cue changes by itself, so the fix never switches on.
    bool Active() const { return false; }

private:
    bool repaintAll_ = true;
};

}  // namespace zorvane

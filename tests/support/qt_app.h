#pragma once
// The one application object the widget tests need; made on first use.

#include <QApplication>

namespace zorvane::test {

inline void EnsureQtApp() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing it down during exit races Qt's own static clean-up.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

}  // namespace zorvane::test

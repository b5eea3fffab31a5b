#pragma once
// The one application object the widget tests need; made on first use.

#include <QApplication>

namespace zorvane::test {

inline void EnsureQtApp() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

}  // namespace zorvane::test

#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace kelvane::test {

// The one QApplication of a Qt test program. qttestmain.cpp makes it on main's stack, before the
// first test, and ends it after the last, so Qt cleans up before the process exits.
inline QApplication& TestApp() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

// A base for fixtures whose members are widgets.
struct WithTestApp {
    WithTestApp() { TestApp(); }
};

// Shows a window and waits until it is the active window, so focus changes happen as for a user.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

}  // namespace kelvane::test

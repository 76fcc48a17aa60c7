#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace kelvane::test {

// The one QApplication of a test program, made on first use and kept to the end of the process
// (destroying it during exit would race Qt's own clean-up).
inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "kelvane-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A base for fixtures whose members are widgets: the application exists before them.
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

#pragma once

#include <QTest>
#include <QWidget>

namespace kelvane::test {

// Shows a window and waits until it is the active window, so focus changes happen as for a user.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

}  // namespace kelvane::test

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

// Another window takes the activation from `window`, which stays on screen as a window that the
// window system hasn't activated (yet). The other window goes with `window`.
inline bool ActivateAnotherWindow(QWidget& window) {
    auto* other = new QWidget(nullptr);
    other->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(&window, &QObject::destroyed, other, &QWidget::close);
    return ShowActive(*other) && !window.isActiveWindow();
}

}  // namespace kelvane::test

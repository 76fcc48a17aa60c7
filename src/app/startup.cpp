#include "startup.h"

#include <QApplication>

#include "appicons.h"

void SetUpApplication() {
    QApplication::setWindowIcon(AppIcon());
    // The program ends when the main window is unloaded, and only then. Qt's own rule would
    // end it when the About dialog closes, since the main window is a tool window (it has no
    // taskbar button) and so doesn't count as a window that keeps the program running.
    QApplication::setQuitOnLastWindowClosed(false);
}

#include "qttoolkit.h"

#include "appicons.h"
#include "qtmsgbox.h"
#include "qtsavedialog.h"
#include "qtwindow.h"

namespace kelvane {

std::unique_ptr<Toolkit> MakeToolkit() {
    return std::make_unique<qt::QtToolkit>();
}

}  // namespace kelvane

namespace kelvane::qt {

QtToolkit::QtToolkit() {
    if (QApplication::instance() == nullptr) {
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    QApplication::setWindowIcon(AppIcon());
    // The name of the desktop entry the program installs: Wayland desktops take the window's
    // icon and its taskbar group from that entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVANE_APP_ID));
    // The program ends when the main window is unloaded, and only then. Qt's own rule would
    // end it when the About dialog closes, since the main window is a tool window (it has no
    // taskbar button) and so doesn't count as a window that keeps the program running.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtToolkit::~QtToolkit() = default;

std::unique_ptr<Window> QtToolkit::Build(const FormDesign& design) {
    return std::make_unique<QtWindow>(design);
}

std::unique_ptr<MsgBox> QtToolkit::MakeMsgBox(Window* owner) {
    return std::make_unique<QtMsgBox>(dynamic_cast<QWidget*>(owner));
}

std::unique_ptr<SaveDialog> QtToolkit::MakeSaveDialog(Window* owner) {
    return std::make_unique<QtSaveDialog>(dynamic_cast<QWidget*>(owner));
}

void QtToolkit::Run(Window& main) {
    main.OnUnload([] { QApplication::quit(); });
    main.Show();
    QApplication::exec();
}

}  // namespace kelvane::qt

#include "qttoolkit.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

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

namespace {

// Qt keeps what the user did in its own dialogs in a settings store, and reads it back in the
// next program that uses them: the Save dialog writes its folder history, last folder, view
// and sort order to the user's "QtProject" settings when it goes. The program keeps nothing
// between runs, so every settings store Qt opens, the user's and the system's, is kept in a
// folder of the program's own, made once at start and removed when the program ends: nothing
// is written under the user's configuration and nothing of it is read back.
void KeepQtSettingsPrivate() {
    // One for the whole run, whatever the number of toolkits.
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/kelvane-merger-XXXXXX"));
    // Without a temporary folder, a path below a file: nothing is read there, and every write
    // fails without a word.
    const QString path = folder.isValid() ? folder.path() : QStringLiteral("/dev/null");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
            QSettings::setPath(format, scope, path);
        }
    }
}

}  // namespace

QtToolkit::QtToolkit() {
    KeepQtSettingsPrivate();
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

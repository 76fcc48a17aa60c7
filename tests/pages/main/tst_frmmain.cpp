// The real main window built by the Qt toolkit, worked as a user works it.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <string>
#include <utility>

#include "mainwindowdoubles.h"
#include "mainwindowhand.h"
#include "modalboxes.h"
#include "qttestapp.h"
#include "tempfolder.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/qt/qttoolkit.h"
#include "widgets/qt/qtwindow.h"
#include "widgets/qt/tabcontrol.h"

namespace {

using kelvane::qt::QtWindow;
using kelvane::test::MainWindowHandMaker;
using kelvane::test::MainWindowOnScreen;

// The main window built by the Qt toolkit, with the doubles' services but for those a test takes
// back, and its widgets by control name.
struct QtMainWindow : kelvane::test::MainWindowDoubles {
    explicit QtMainWindow(void (*takeBack)(frmMainServices&) = [](frmMainServices&) {})
        : main(toolkit, [&] {
              frmMainServices services = Services();
              takeBack(services);
              return services;
          }()) {}

    template <typename Widget = QWidget>
    Widget* Find(const std::string& name) const {
        return qobject_cast<Widget*>(window.Control(name));
    }

    kelvane::qt::QtToolkit toolkit;
    frmMain main;
    QtWindow& window = dynamic_cast<QtWindow&>(main.window());
    kelvane::qt::TabControl* SSTab1 = Find<kelvane::qt::TabControl>("SSTab1");
};

// The Qt hand on the real main window, with its own message boxes, answered with Enter.
class QtHand : public kelvane::test::MainWindowHand {
  public:
    QtHand() { EXPECT_TRUE(kelvane::test::ShowActive(ui.window)); }

    frmMain& Main() override { return ui.main; }
    void Deactivate() override { EXPECT_TRUE(kelvane::test::ActivateAnotherWindow(ui.window)); }
    void Mouse(bool down, const std::string& control, int tab) override {
        const QPoint at = tab < 0 ? QPoint() : ui.SSTab1->TabBar()->tabRect(tab).center();
        QTest::mouseEvent(down ? QTest::MousePress : QTest::MouseRelease, Widget(control),
                          Qt::LeftButton, Qt::NoModifier, at);
    }
    void Press(const std::string& control, Key key) override {
        const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Left,
                                Qt::Key_Escape};
        QTest::keyClick(Widget(control), keys[key]);
    }
    void Alt(char letter) override {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(Qt::Key_A + letter - 'a'),
                        Qt::AltModifier);
    }
    int Settle(int boxes) override {
        static_cast<void>(QTest::qWaitFor([&] { return answerer.texts.size() >= seen + boxes; }));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const std::size_t before = std::exchange(seen, answerer.texts.size());
        return static_cast<int>(seen - before);
    }
    std::string Focused() override {
        EXPECT_TRUE(kelvane::test::ShowActive(ui.window));
        const QWidget* focused = QApplication::focusWidget();
        if (focused == ui.SSTab1->TabBar()) {
            return "SSTab1";
        }
        return focused == nullptr ? "" : focused->objectName().toStdString();
    }
    int Page() override { return ui.SSTab1->CurrentPage(); }
    void Focus(const std::string& control) override { Widget(control)->setFocus(); }
    void CloseBox() override { ui.window.close(); }
    bool Shown() override { return ui.window.isVisible(); }

  private:
    QWidget* Widget(const std::string& control) {
        if (control.empty()) {
            return QApplication::focusWidget();
        }
        return control == "SSTab1" ? ui.SSTab1->TabBar() : ui.window.Control(control);
    }

    QtMainWindow ui{[](frmMainServices& services) { services.msgBox = nullptr; }};
    kelvane::test::ModalBoxAnswerer answerer{kelvane::test::ModalBoxAnswerer::Key(Qt::Key_Return)};
    std::size_t seen = 0;
};

INSTANTIATE_TEST_SUITE_P(Qt, MainWindowOnScreen,
                         testing::Values(MainWindowHandMaker{
                             "Qt", [] { return std::make_unique<QtHand>(); }}),
                         kelvane::test::ParamName<MainWindowHandMaker>);

// With the real About dialog: closing it leaves the program running, however the main window
// counts among the application's windows.
TEST(MainWindowWithAbout, ClosingTheAboutDialogKeepsTheProgramRunning) {
    QtMainWindow ui([](frmMainServices& services) { services.showAbout = nullptr; });
    ui.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.window));

    int aboutsClosed = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* about = QApplication::activeModalWidget()) {
            about->close();
            ++aboutsClosed;
        }
    });
    closer.start(20);
    QTimer::singleShot(0, [&] {
        ui.window.MenuItem("mnuHelpAbout")->trigger();  // returns once the dialog has closed
        ui.window.MenuItem("mnuHelpAbout")->trigger();
        QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(QApplication::exec(), 7) << "the program ended when the About dialog closed";
    EXPECT_EQ(aboutsClosed, 2);
    EXPECT_TRUE(ui.window.isVisible());
}

QPoint RowCentre(QAbstractItemView& view, int row) {
    return view.visualRect(view.model()->index(row, 0)).center();
}

// The folder opened, its files picked in the file list (d.exe is no accepted type), the first
// dragged to the end of the merge list, the target typed and "&Merge files" clicked: the
// merged file holds the files in the order shown.
TEST(MergeWindow, TheUsersGesturesEndInTheMergedFile) {
    QtMainWindow ui;
    ui.window.show();
    auto* files = ui.Find<QAbstractItemView>("fileList");
    auto* merge = ui.Find<QAbstractItemView>("lstFileSelect");
    QWidget* target = ui.Find("txtTartgetPath");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.window));
    kelvane::test::TempFolder folder;
    kelvane::test::TempFolder out;
    const std::string b("B\0\x1A\xFF\r\n", 6);  // NUL, 0x1A and a byte that is no UTF-8
    folder.Write("a.txt", "A1\nA2");
    folder.Write("b.SQL", b);
    folder.Write("c.dat", "");
    folder.Write("d.exe", "not text\n");
    ui.Find<kelvane::qt::QtFolderList>("myFolders")->SetPath(folder.Text());
    QCoreApplication::processEvents();
    ASSERT_EQ(files->model()->rowCount(), 4);

    for (int row = 0; row < 4; ++row) {
        QTest::mouseClick(files->viewport(), Qt::LeftButton,
                          row == 0 ? Qt::NoModifier : Qt::ControlModifier, RowCentre(*files, row));
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(merge->model()->rowCount(), 3);
    QWidget* viewport = merge->viewport();
    const QPoint first = RowCentre(*merge, 0);
    const QPoint last = RowCentre(*merge, 2);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, first);
    QMouseEvent move(QEvent::MouseMove, last, viewport->mapToGlobal(last), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, last);
    target->setFocus();
    QTest::keyClicks(target, QString::fromStdString(out.At("all.sql")));
    QTest::mouseClick(ui.Find("cmdMerge"), Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_TRUE(ui.msg.shown.empty());
    EXPECT_EQ(out.Read("all.sql"), b + "A1\r\nA2\r\n");
}

}  // namespace

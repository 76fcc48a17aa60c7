#include "qtmainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "describedplaces.h"
#include "entrycheck.h"
#include "mainwindowdoubles.h"
#include "modalboxes.h"
#include "qttestapp.h"
#include "widgets/qt/qtlistwidget.h"
#include "widgets/qt/qttextbox.h"
#include "widgets/qt/tabcontrol.h"

namespace {

using kelvane::ControlDesign;
using kelvane::ControlKind;
using kelvane::FormDesign;
using kelvane::MenuDesign;
using kelvane::test::EntryCheck;
using kelvane::test::MainWindowHandMaker;

// The main window with doubles for every dialog and for the document opener.
class MainWindowTest : public kelvane::test::MainWindowDoubles, public ::testing::Test {
  protected:
    MainWindowTest() : ui(Services()) {
        ui.window.OnUnload([this] { ++unloads; });
    }

    void ShowActive() { ASSERT_TRUE(kelvane::test::ShowActive(ui.window)); }

    int unloads = 0;
    kelvane::test::QtMainWindow ui;
};

TEST_F(MainWindowTest, ControlsSitAtTheirDescribedPlacesInAFixedWindow) {
    ShowActive();
    kelvane::test::ExpectControlsAtTheirDescribedPlaces(ui.window);
    EXPECT_EQ(ui.window.minimumSize(), ui.window.maximumSize());
    EXPECT_FALSE(ui.window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(ui.window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(ui.window.windowTitle().toStdString(), ui.window.Design().caption);
    EXPECT_EQ(ui.SSTab1->CurrentPage(), 0);
    for (const ControlDesign& control : ui.window.Design().controls) {
        if (control.kind == ControlKind::Label) {
            EXPECT_EQ(ui.window.LabelCaption(control.name), control.Caption());
        } else if (control.kind == ControlKind::TextBox) {
            EXPECT_EQ(ui.Find<kelvane::qt::QtTextBox>(control.name.c_str())->MaxLength(),
                      control.maxLength);
        }
    }
    for (const MenuDesign& menu : ui.window.Design().menus) {
        for (const MenuDesign& item : menu.items) {
            EXPECT_NE(ui.window.MenuItem(item.name), nullptr) << item.name;
        }
    }
}

// Tab goes round the controls of the description's Tab order that the page in front shows, the
// tab control by its tab strip.
TEST_F(MainWindowTest, FocusStartsOnCloseAndTabFollowsThePageShown) {
    ShowActive();
    const FormDesign& design = ui.window.Design();
    const std::vector<const ControlDesign*> order = design.TabOrder();
    EXPECT_EQ(QApplication::focusWidget(), ui.window.Control(order.front()->name));
    for (int page : {0, 1}) {
        SCOPED_TRACE(page);
        ui.SSTab1->SetCurrentPage(page);
        std::vector<QWidget*> expected;
        for (const ControlDesign* control : order) {
            const int on = design.PageOn(*control, "SSTab1");
            if (on == -1 || on == page) {
                expected.push_back(control->kind == ControlKind::TabControl
                                       ? ui.SSTab1->TabBar()
                                       : ui.window.Control(control->name));
            }
        }
        std::rotate(expected.begin(), expected.begin() + 1, expected.end());
        for (QWidget* widget : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), widget) << widget->objectName().toStdString();
        }
    }
}

// Escape does nothing; the close box and Enter on the first control of the Tab order ("&Close")
// unload the window, asking nothing.
TEST_F(MainWindowTest, EscapeDoesNothingAndEnterOrTheCloseBoxUnloads) {
    ShowActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(unloads, 0);
    ui.window.close();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(ui.window.isVisible());
    ShowActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(unloads, 2);
    EXPECT_FALSE(ui.window.isVisible());
    EXPECT_TRUE(msg.shown.empty());
}

// The Qt hand on the real main window, with its own message boxes, answered with Enter.
class QtHand : public kelvane::test::MainWindowHand {
  public:
    QtHand() { EXPECT_TRUE(kelvane::test::ShowActive(ui.window)); }

    frmMain& Main() override { return ui.main; }
    void Deactivate() override { EXPECT_TRUE(kelvane::test::ActivateAnotherWindow(ui.window)); }
    void Mouse(bool down, const std::string& control, int tab) override {
        QWidget* widget = Widget(control);
        const QPoint at = tab < 0 ? QPoint() : ui.SSTab1->TabBar()->tabRect(tab).center();
        if (down) {
            QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
        } else {
            QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
        }
    }
    void Press(const std::string& control, Key key) override {
        const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Left};
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
        return focused == nullptr ? "" : focused->objectName().toStdString();
    }
    int Page() override { return ui.SSTab1->CurrentPage(); }

  private:
    QWidget* Widget(const std::string& control) {
        if (control.empty()) {
            return QApplication::focusWidget();
        }
        return control == "SSTab1" ? ui.SSTab1->TabBar() : ui.window.Control(control);
    }

    kelvane::test::MainWindowDoubles doubles;
    kelvane::test::QtMainWindow ui{[this] {
        frmMainServices services = doubles.Services();
        services.msgBox = nullptr;
        return services;
    }()};
    kelvane::test::ModalBoxAnswerer answerer{kelvane::test::ModalBoxAnswerer::Key(Qt::Key_Return)};
    std::size_t seen = 0;
};

INSTANTIATE_TEST_SUITE_P(Qt, EntryCheck,
                         testing::Values(MainWindowHandMaker{
                             "Qt", [] { return std::make_unique<QtHand>(); }}),
                         kelvane::test::MakerName<MainWindowHandMaker>);

// With the real About dialog: closing it leaves the program running, however the main window
// counts among the application's windows.
TEST(MainWindowWithAbout, ClosingTheAboutDialogKeepsTheProgramRunning) {
    kelvane::test::FakeMsgBox msg;
    kelvane::test::FakeSaveDialog save;
    frmMainServices services;
    services.msgBox = &msg;
    services.saveDialog = &save;
    kelvane::test::QtMainWindow ui(services);
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
        ui.mnuHelpAbout->trigger();  // returns once the dialog has closed
        ui.mnuHelpAbout->trigger();
        QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(QApplication::exec(), 7) << "the program ended when the About dialog closed";
    EXPECT_EQ(aboutsClosed, 2);
    EXPECT_TRUE(ui.window.isVisible());
}

}  // namespace

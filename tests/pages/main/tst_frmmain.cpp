#include "qtmainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

#include "describedplaces.h"
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

// With the window's own, real message box, whose event loop runs while the message shows,
// answered with Enter: after a failed entry check the focus is back in the entry, with its page in
// front, whatever took it away, and the next Enter does nothing there. The click that took it
// never runs, but for "C&lear", which empties the entry (the other buttons' access keys and
// clicks: tst_commandbutton).
TEST(MainWindowWithItsBoxes, AFailedEntryCheckShowsOneMessageAndKeepsTheFocus) {
    using kelvane::test::QtMainWindow;
    const struct {
        const char* gesture;
        std::function<void(QtMainWindow&)> act;
        QString left;  // in the entry afterwards
    } gestures[] = {
        {"Alt+L",
         [](QtMainWindow& ui) { QTest::keyClick(ui.txtFileType, Qt::Key_L, Qt::AltModifier); }, ""},
        {"click on Clear", [](QtMainWindow& ui) { QTest::mouseClick(ui.cmdClear, Qt::LeftButton); },
         ""},
        {"click on the other page's tab",
         [](QtMainWindow& ui) {
             QTabBar* tabs = ui.SSTab1->TabBar();
             QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(0).center());
         },
         "T_1"},
        {"arrow on the tab strip, before the check runs",
         [](QtMainWindow& ui) {
             ui.SSTab1->TabBar()->setFocus(Qt::TabFocusReason);
             QTest::keyClick(ui.SSTab1->TabBar(), Qt::Key_Left);
         },
         "T_1"},
    };
    for (const auto& gesture : gestures) {
        SCOPED_TRACE(gesture.gesture);
        kelvane::test::MainWindowDoubles doubles;
        frmMainServices services = doubles.Services();
        services.msgBox = nullptr;
        QtMainWindow ui(services);
        ASSERT_TRUE(kelvane::test::ShowActive(ui.window));
        ui.SSTab1->SetCurrentPage(1);
        ui.txtFileType->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QTest::keyClicks(ui.txtFileType, "T_1");

        kelvane::test::ModalBoxAnswerer answerer(
            kelvane::test::ModalBoxAnswerer::Key(Qt::Key_Return));
        gesture.act(ui);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.texts.empty(); }));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(answerer.texts.size(), 1u);
        EXPECT_EQ(ui.SSTab1->CurrentPage(), 1);
        EXPECT_EQ(ui.window.focusWidget(), ui.txtFileType);
        ASSERT_TRUE(kelvane::test::ShowActive(ui.window));  // as the window manager does
        EXPECT_EQ(QApplication::focusWidget(), ui.txtFileType);
        EXPECT_EQ(ui.txtFileType->text(), gesture.left);
        EXPECT_EQ(ui.txtFileType->selectedText(), gesture.left);
        EXPECT_EQ(ui.lstFileType->ListCount(), 3) << "no other click runs after the failed check";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_TRUE(ui.window.isVisible());

        // Every attempt to leave is checked again; a valid entry lets the other page come.
        ui.txtFileType->SetText("MP3");
        QTest::keyClick(ui.txtFileType, Qt::Key_Tab);
        ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.texts.size() == 2; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(ui.window.focusWidget(), ui.txtFileType);
        ui.txtFileType->SetText("DOC");
        QTabBar* tabs = ui.SSTab1->TabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(0).center());
        QCoreApplication::processEvents();
        EXPECT_EQ(ui.SSTab1->CurrentPage(), 0);
        EXPECT_EQ(answerer.texts.size(), 2u);
    }
}

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

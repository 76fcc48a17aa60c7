#include "qtmainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <vector>

#include "describedplaces.h"
#include "mainwindowdoubles.h"
#include "modalboxes.h"
#include "qttestapp.h"
#include "widgets/qt/commandbutton.h"
#include "widgets/qt/qtdrivelist.h"
#include "widgets/qt/qtfilelist.h"
#include "widgets/qt/qtfolderlist.h"
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

    void ShowActive() {
        ui.window.show();
        ui.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.window));
    }

    int unloads = 0;
    kelvane::test::QtMainWindow ui;
};

TEST_F(MainWindowTest, StartsEmptyOnTheFirstPage) {
    EXPECT_EQ(ui.lstFileSelect->ListCount(), 0);
    EXPECT_EQ(ui.txtTartgetPath->Text(), "");
    EXPECT_EQ(ui.txtFileType->Text(), "");
    EXPECT_EQ(ui.window.Caption(), ui.window.Design().caption);
    EXPECT_EQ(ui.SSTab1->CurrentPage(), 0);
    EXPECT_TRUE(msg.shown.empty());
}

TEST_F(MainWindowTest, BrowsingListsStartAtTheCurrentDirectory) {
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(ui.myFolders->Path(), here);
    EXPECT_EQ(ui.myFolders->List(ui.myFolders->ListIndex()), here);
    EXPECT_EQ(ui.fileList->Path(), here);
    EXPECT_EQ(here.rfind(ui.myDrive->Drive(), 0), 0u);
}

TEST_F(MainWindowTest, EveryControlAndMenuItemIsFoundByItsName) {
    const FormDesign& design = ui.window.Design();
    for (const ControlDesign& control : design.controls) {
        EXPECT_NE(ui.window.findChild<QWidget*>(QString::fromStdString(control.name)), nullptr)
            << control.name;
        if (control.kind == ControlKind::Label) {
            EXPECT_EQ(ui.window.LabelCaption(control.name), control.Caption());
        }
    }
    for (const MenuDesign& menu : design.menus) {
        for (const MenuDesign& item : menu.items) {
            EXPECT_NE(ui.window.findChild<QAction*>(QString::fromStdString(item.name)), nullptr)
                << item.name;
        }
    }
}

TEST_F(MainWindowTest, ControlsSitAtTheirDescribedPlacesInAFixedWindow) {
    ShowActive();
    kelvane::test::ExpectControlsAtTheirDescribedPlaces(ui.window);
    EXPECT_EQ(ui.window.minimumSize(), ui.window.maximumSize());
    EXPECT_FALSE(ui.window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(ui.window.windowFlags() & Qt::WindowMaximizeButtonHint);
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

TEST_F(MainWindowTest, EnterOnTheStartFocusClosesAndEscapeDoesNothing) {
    ShowActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(unloads, 0);
    EXPECT_TRUE(ui.window.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(ui.window.isVisible());
}

TEST_F(MainWindowTest, CloseExitAndTheCloseBoxAllUnloadWithoutAQuestion) {
    ui.lstFileSelect->AddItem("a.txt");
    ui.txtTartgetPath->SetText("/tmp/out.txt");
    ShowActive();
    ui.cmdClose->click();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(ui.window.isVisible());

    ShowActive();
    ui.mnuFileExit->trigger();
    EXPECT_EQ(unloads, 2);

    ShowActive();
    ui.window.close();
    EXPECT_EQ(unloads, 3);
    EXPECT_TRUE(msg.shown.empty());
}

TEST_F(MainWindowTest, HelpAsksForHelpPdfAndShowsNoMessage) {
    ui.mnuHelpHelp->trigger();
    EXPECT_EQ(opened, std::vector<std::string>{"help.pdf"});
    EXPECT_EQ(openedBy, &ui.main.window());
    EXPECT_TRUE(msg.shown.empty());
}

TEST_F(MainWindowTest, AboutShowsTheDialogEachTime) {
    ui.mnuHelpAbout->trigger();
    ui.mnuHelpAbout->trigger();
    EXPECT_EQ(abouts, 2);
    ui.mnuFileExit->trigger();
    EXPECT_EQ(unloads, 1);
}

TEST_F(MainWindowTest, AltMClicksMergeFiles) {
    ShowActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), ui.cmdMerge);
    // With no target path the merge run answers with its own message.
    EXPECT_EQ(msg.shown.size(), 1u);
}

// With the window's own, real message box, whose event loop runs while the message shows,
// answered with Enter: after a failed entry check the focus is back in the entry, with its page in
// front, whatever took it away, and the next Enter does nothing there. The click that took it
// never runs, but for "C&lear", which empties the entry.
TEST(MainWindowWithItsBoxes, AFailedEntryCheckShowsOneMessageAndKeepsTheFocus) {
    using kelvane::test::QtMainWindow;
    const struct {
        const char* gesture;
        std::function<void(QtMainWindow&)> act;
        QString left;  // in the entry afterwards
    } gestures[] = {
        {"Alt+A",
         [](QtMainWindow& ui) { QTest::keyClick(ui.txtFileType, Qt::Key_A, Qt::AltModifier); },
         "T_1"},
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
    }
}

TEST_F(MainWindowTest, AnExceptionFromAProcedureStopsAtTheWindow) {
    frmMainServices services = Services();
    services.openDocument = [](kelvane::Form&, const std::string&) {
        throw std::runtime_error("no opener");
    };
    kelvane::test::QtMainWindow other(services);
    EXPECT_NO_THROW(other.mnuHelpHelp->trigger());
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

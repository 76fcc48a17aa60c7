#include "app/frmmain.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <vector>

#include "app/startup.h"
#include "mainwindowdoubles.h"
#include "widgets/qt/commandbutton.h"
#include "widgets/qt/qtdrivelist.h"
#include "widgets/qt/qtfilelist.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/qt/qtlistwidget.h"
#include "widgets/qt/qttextbox.h"
#include "widgets/qt/tabcontrol.h"

namespace {

// The main window with doubles for every dialog and for the document opener.
class MainWindowTest : public kelvane::test::MainWindowDoubles, public ::testing::Test {
  protected:
    MainWindowTest() : window(Services()) {
        QObject::connect(&window, &frmMain::Unloaded, [this] { ++unloads; });
    }

    void ShowActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    int unloads = 0;
    frmMain window;
};

TEST_F(MainWindowTest, StartsWithTheDefaultTypesMarkedAndTheSaveDialogSet) {
    ASSERT_EQ(window.lstFileType->ListCount(), 3);
    const char* const types[] = {"TXT", "SQL", "DAT"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window.lstFileType->List(i), types[i]);
        EXPECT_TRUE(window.lstFileType->Selected(i)) << types[i];
    }
    EXPECT_EQ(save.filter, "Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*");
    EXPECT_EQ(save.title, "Save Target File As");
    EXPECT_EQ(window.lstFileSelect->ListCount(), 0);
    EXPECT_EQ(window.txtTartgetPath->Text(), "");
    EXPECT_EQ(window.txtFileType->Text(), "");
    EXPECT_EQ(window.txtFileType->MaxLength(), 4);
    EXPECT_EQ(window.Caption(), "Kelvane Text File Merger");
    EXPECT_EQ(window.SSTab1->CurrentPage(), 0);
    EXPECT_TRUE(msg.shown.empty());
}

TEST_F(MainWindowTest, BrowsingListsStartAtTheCurrentDirectory) {
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(window.myFolders->Path(), here);
    EXPECT_EQ(window.myFolders->List(window.myFolders->ListIndex()), here);
    EXPECT_EQ(window.fileList->Path(), here);
    EXPECT_EQ(here.rfind(window.myDrive->Drive(), 0), 0u);
}

TEST_F(MainWindowTest, EveryControlIsFoundByItsName) {
    const char* const controls[] = {
        "Label1",         "Label2",      "txtTartgetPath", "cmdFileLookUp", "SSTab1",
        "cmdMerge",       "cmdClose",    "Label4",         "myDrive",       "myFolders",
        "Label5",         "fileList",    "Label6",         "lstFileSelect", "cmdUp",
        "cmdDown",        "Frame1",      "Label3",         "txtFileType",   "cmdClear",
        "cmdAddFileType", "lstFileType", "cmdLearList",    "cmdDelete"};
    for (const char* name : controls) {
        EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;
    }
    for (const char* name : {"mnuFileExit", "mnuHelpAbout", "mnuHelpSep1", "mnuHelpHelp"}) {
        EXPECT_NE(window.findChild<QAction*>(name), nullptr) << name;
    }
    EXPECT_EQ(window.LabelCaption("Label6"), "Files to merge");
    EXPECT_EQ(window.LabelCaption("Label1"),
              "This utility will merge given files into one file.  Ideal for Data files and SQL "
              "script merging");
}

TEST_F(MainWindowTest, ControlsSitAtTheirPlacesInDeviceIndependentPixels) {
    ShowActive();
    EXPECT_EQ(window.centralWidget()->size(), QSize(601, 411));
    EXPECT_EQ(window.cmdClose->geometry(), QRect(508, 384, 89, 25));
    EXPECT_EQ(window.SSTab1->geometry(), QRect(4, 48, 593, 329));
    // Page controls are placed in the tab control's own coordinates, tab strip included.
    EXPECT_EQ(window.lstFileSelect->mapTo(window.SSTab1, QPoint(0, 0)), QPoint(380, 48));
    EXPECT_EQ(window.cmdDelete->mapTo(window.SSTab1, QPoint(0, 0)), QPoint(160 + 184, 24 + 248));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowTest, FocusStartsOnCloseAndTabFollowsThePageShown) {
    ShowActive();
    EXPECT_EQ(QApplication::focusWidget(), window.cmdClose);
    const std::vector<QWidget*> textFiles = {
        window.txtTartgetPath, window.cmdFileLookUp, window.SSTab1->TabBar(),
        window.myFolders,      window.myDrive,       window.lstFileSelect,
        window.cmdUp,          window.fileList,      window.cmdMerge,
        window.cmdDown,        window.cmdClose};
    for (QWidget* expected : textFiles) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }

    window.SSTab1->SetCurrentPage(1);
    const std::vector<QWidget*> options = {
        window.txtTartgetPath, window.cmdFileLookUp, window.SSTab1->TabBar(), window.cmdMerge,
        window.lstFileType,    window.txtFileType,   window.cmdAddFileType,   window.cmdDelete,
        window.cmdClear,       window.cmdLearList,   window.cmdClose};
    for (QWidget* expected : options) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, EnterOnTheStartFocusClosesAndEscapeDoesNothing) {
    ShowActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(unloads, 0);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, CloseExitAndTheCloseBoxAllUnloadWithoutAQuestion) {
    window.lstFileSelect->AddItem("a.txt");
    window.txtTartgetPath->SetText("/tmp/out.txt");
    ShowActive();
    window.cmdClose->click();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(window.isVisible());

    ShowActive();
    window.mnuFileExit->trigger();
    EXPECT_EQ(unloads, 2);

    ShowActive();
    window.close();
    EXPECT_EQ(unloads, 3);
    EXPECT_TRUE(msg.shown.empty());
}

TEST_F(MainWindowTest, HelpAsksForHelpPdfAndShowsNoMessage) {
    window.mnuHelpHelp->trigger();
    EXPECT_EQ(opened, std::vector<std::string>{"help.pdf"});
    EXPECT_EQ(openedBy, &window);
    EXPECT_TRUE(msg.shown.empty());
}

TEST_F(MainWindowTest, AboutShowsTheDialogEachTime) {
    window.mnuHelpAbout->trigger();
    window.mnuHelpAbout->trigger();
    EXPECT_EQ(abouts, 2);
    window.mnuFileExit->trigger();
    EXPECT_EQ(unloads, 1);
}

TEST_F(MainWindowTest, AltMClicksMergeFiles) {
    ShowActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), window.cmdMerge);
    // With no target path the merge run answers with its own message.
    EXPECT_EQ(msg.shown.size(), 1u);
}

TEST_F(MainWindowTest, AFailedEntryCheckShowsOneMessageAndKeepsTheFocus) {
    ShowActive();
    window.SSTab1->SetCurrentPage(1);
    window.txtFileType->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClicks(window.txtFileType, "T_1");
    QTest::keyClick(window.txtFileType, Qt::Key_A, Qt::AltModifier);  // "&Add to List"
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(msg.shown.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), window.txtFileType);
    EXPECT_EQ(window.txtFileType->SelLength(), 3);
    EXPECT_EQ(window.lstFileType->ListCount(), 3) << "the click after the failed check never runs";
}

TEST_F(MainWindowTest, AnExceptionFromAProcedureStopsAtTheWindow) {
    frmMainServices services = Services();
    services.openDocument = [](kelvane::Form&, const std::string&) {
        throw std::runtime_error("no opener");
    };
    frmMain other(services);
    EXPECT_NO_THROW(other.mnuHelpHelp->trigger());
}

// With the real About dialog: closing it leaves the program running, however the main window
// counts among the application's windows.
TEST(MainWindowWithAbout, ClosingTheAboutDialogKeepsTheProgramRunning) {
    SetUpApplication();
    kelvane::test::FakeMsgBox msg;
    kelvane::test::FakeSaveDialog save;
    frmMainServices services;
    services.msgBox = &msg;
    services.saveDialog = &save;
    frmMain window(services);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

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
        window.mnuHelpAbout->trigger();  // returns once the dialog has closed
        window.mnuHelpAbout->trigger();
        QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(QApplication::exec(), 7) << "the program ended when the About dialog closed";
    EXPECT_EQ(aboutsClosed, 2);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace

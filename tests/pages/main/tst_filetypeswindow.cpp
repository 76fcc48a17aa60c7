// The entry check of the Options page on the real main window, with the message boxes faked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <string>
#include <vector>

#include "mainwindowdoubles.h"
#include "qtmainwindow.h"
#include "widgets/qt/commandbutton.h"
#include "widgets/qt/qtlistwidget.h"
#include "widgets/qt/qttextbox.h"
#include "widgets/qt/tabcontrol.h"

namespace kelvane {
namespace {

std::vector<std::string> Items(const ListWidget& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) {
        items.push_back(list.List(i));
    }
    return items;
}

class FileTypesWindow : public test::MainWindowDoubles, public testing::Test {
  protected:
    FileTypesWindow() : ui(Services()) {}

    void SetUp() override {
        ui.window.show();
        ui.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.window));
        ui.SSTab1->SetCurrentPage(1);  // "Options"
        ui.txtFileType->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(ui.txtFileType->hasFocus());
    }

    // Types into the entry box, which holds the focus, one key per character.
    void Type(const char* text) {
        for (const QChar c : QString::fromUtf8(text)) {
            QTest::sendKeyEvent(QTest::Click, ui.txtFileType, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
        QCoreApplication::processEvents();
    }

    // A user's click. A paced one lets the event loop turn between press and release; a quick
    // one delivers both together, as a tap or a busy machine does.
    void Click(QWidget* button, bool paced = true) {
        const QPoint centre = button->rect().center();
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, centre);
        if (paced) {
            QCoreApplication::processEvents();
        }
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, centre);
        QCoreApplication::processEvents();
    }

    // The failed check's outcome: one more message (its text is the file-type list's), the focus
    // back, the whole entry selected.
    void ExpectSentBack(std::size_t messages, const char* entry) {
        ASSERT_EQ(msg.shown.size(), messages);
        EXPECT_EQ(msg.shown.back().style, MsgBox::Style::Information) << "not the Clear question";
        EXPECT_TRUE(ui.txtFileType->hasFocus());
        EXPECT_EQ(ui.txtFileType->text(), QString::fromUtf8(entry));
        EXPECT_EQ(ui.txtFileType->selectedText(), QString::fromUtf8(entry));
        EXPECT_EQ(ui.txtFileType->SelStart(), 0);
        EXPECT_EQ(ui.txtFileType->SelLength(), static_cast<int>(ui.txtFileType->Text().size()));
    }

    test::QtMainWindow ui;
};

TEST_F(FileTypesWindow, TheEntryTakesFourLetters) {
    Type("ABCDE");
    EXPECT_EQ(ui.txtFileType->Text(), "ABCD");
    EXPECT_TRUE(msg.shown.empty());
}

TEST_F(FileTypesWindow, TabAwayFromAnInvalidEntryShowsOneMessageAndComesBack) {
    std::size_t messages = 0;
    for (const char* entry : {"MP3", " TXT", "d\xC3\xA9j\xC3\xA0"}) {
        ui.txtFileType->clear();
        Type(entry);
        for (int round = 0; round < 2; ++round) {
            QTest::keyClick(ui.txtFileType, Qt::Key_Tab);
            QCoreApplication::processEvents();
            ExpectSentBack(++messages, entry);
        }
    }
}

TEST_F(FileTypesWindow, ValidOrBlankEntriesLetTheFocusGo) {
    for (const char* entry : {"", "DOC"}) {
        ui.txtFileType->SetText(entry);
        ui.txtFileType->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(ui.txtFileType, Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(ui.cmdAddFileType->hasFocus()) << entry;
    }
    EXPECT_TRUE(msg.shown.empty());
}

// After a failed check a click on a page button never runs, whichever button, however often and
// however quickly it is clicked ("C&lear" aside, which empties the entry then: tst_frmmain).
TEST_F(FileTypesWindow, AClickThatFailsTheCheckNeverRuns) {
    Type("MP3");
    ui.lstFileType->SetListIndex(0);
    const std::vector<std::string> before = Items(*ui.lstFileType);
    std::size_t messages = 0;
    for (const bool paced : {true, false}) {
        for (QWidget* button :
             std::vector<QWidget*>{ui.cmdAddFileType, ui.cmdDelete, ui.cmdLearList}) {
            Click(button, paced);
            ExpectSentBack(++messages, "MP3");  // no clear-list question either
            EXPECT_EQ(Items(*ui.lstFileType), before) << button->objectName().toStdString();
        }
    }
}

// Leaving an invalid entry for the other page shows the message once and brings the entry's page
// back, with the focus in the entry; a valid one lets the user work on the other page.
TEST_F(FileTypesWindow, SwitchingPagesAwayFromAnInvalidEntrySendsTheUserBack) {
    Type("MP3");
    QTabBar* tabs = ui.SSTab1->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(0).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.SSTab1->CurrentPage(), 1);
    ExpectSentBack(1, "MP3");

    ui.txtFileType->SetText("DOC");
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(0).center());
    Click(ui.txtTartgetPath);
    Click(ui.cmdUp);
    EXPECT_EQ(msg.shown.size(), 1U);
    EXPECT_TRUE(ui.cmdUp->hasFocus());
}

TEST_F(FileTypesWindow, AButtonClickedWithAValidEntryRunsOnce) {
    std::vector<std::string> expected = Items(*ui.lstFileType);
    expected.push_back("doc");
    Type("doc");
    Click(ui.cmdAddFileType);
    EXPECT_TRUE(msg.shown.empty());
    EXPECT_EQ(Items(*ui.lstFileType), expected);
    EXPECT_TRUE(ui.lstFileType->Selected(ui.lstFileType->ListCount() - 1));
}

}  // namespace
}  // namespace kelvane

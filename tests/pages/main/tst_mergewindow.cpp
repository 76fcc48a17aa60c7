// Merging on the real main window: the target typed or chosen, files picked with the mouse,
// then "&Merge files".
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

#include "mainwindowdoubles.h"
#include "qtmainwindow.h"
#include "tempfolder.h"
#include "widgets/qt/commandbutton.h"
#include "widgets/qt/qtfilelist.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/qt/qtlistwidget.h"
#include "widgets/qt/qttextbox.h"

namespace kelvane {
namespace {

// A line with a NUL, a 0x1A and a byte that is no UTF-8, ended by CR LF.
const std::string kB("B\0\x1A\xFF\r\n", 6);

class MergeWindow : public test::MainWindowDoubles, public testing::Test {
  protected:
    MergeWindow() : ui(Services()) {}

    void SetUp() override {
        ui.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.window));
        folder.Write("a.txt", "A1\nA2");
        folder.Write("b.SQL", kB);
        folder.Write("c.dat", "");
        folder.Write("d.exe", "not text\n");
        ui.myFolders->SetPath(folder.Text());
        QCoreApplication::processEvents();
        ASSERT_EQ(ui.fileList->ListCount(), 4);
    }

    // Clicks the file list's rows, the first plainly and the others with Ctrl held.
    void Pick(const std::vector<int>& rows) {
        Qt::KeyboardModifiers keys = Qt::NoModifier;
        for (const int row : rows) {
            const QPoint centre =
                ui.fileList->visualRect(ui.fileList->model()->index(row, 0)).center();
            QTest::mouseClick(ui.fileList->viewport(), Qt::LeftButton, keys, centre);
            QCoreApplication::processEvents();
            keys = Qt::ControlModifier;
        }
    }

    void TypeTarget(const std::string& path) {
        ui.txtTartgetPath->setFocus();
        ui.txtTartgetPath->SetText("");
        QTest::keyClicks(ui.txtTartgetPath, QString::fromStdString(path));
        QCoreApplication::processEvents();
    }

    void ClickMerge() {
        QTest::mouseClick(ui.cmdMerge, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    test::QtMainWindow ui;
    test::TempFolder folder;
    test::TempFolder out;
};

TEST_F(MergeWindow, TypedTargetReceivesThePickedFilesInOrder) {
    TypeTarget(out.At("all.sql"));
    Pick({0, 1, 2, 3});  // a.txt, b.SQL, c.dat and d.exe, which isn't an accepted type
    ASSERT_EQ(ui.lstFileSelect->ListCount(), 3);

    ClickMerge();
    EXPECT_TRUE(msg.shown.empty());
    EXPECT_EQ(out.Read("all.sql"), "A1\r\nA2\r\n" + kB);
    EXPECT_EQ(ui.txtTartgetPath->Text(), out.At("all.sql"));
}

TEST_F(MergeWindow, TargetChosenInTheSaveDialog) {
    save.choice = out.At("chosen.txt");
    QTest::mouseClick(ui.cmdFileLookUp, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.txtTartgetPath->Text(), out.At("chosen.txt"));

    Pick({2, 0});
    ClickMerge();
    EXPECT_TRUE(msg.shown.empty());
    EXPECT_EQ(out.Read("chosen.txt"), "A1\r\nA2\r\n");
}

TEST_F(MergeWindow, APickedFileIsRefusedAsTheTarget) {
    Pick({0, 1});
    TypeTarget("  " + folder.At("b.SQL") + " ");
    msg.answers = {MsgBox::Button::Yes};
    ClickMerge();
    EXPECT_EQ(msg.shown.size(), 1u) << "refused, or else replaced after Yes";
    EXPECT_EQ(folder.Read("b.SQL"), kB);
}

}  // namespace
}  // namespace kelvane

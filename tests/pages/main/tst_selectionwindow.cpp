// Browsing, picking and ordering files on the real main window, driven by the mouse.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "mainwindowdoubles.h"
#include "qtmainwindow.h"
#include "tempfolder.h"
#include "widgets/qt/commandbutton.h"
#include "widgets/qt/qtfilelist.h"
#include "widgets/qt/qtfolderlist.h"
#include "widgets/qt/qtlistwidget.h"

namespace kelvane {
namespace {

using Names = std::vector<std::string>;

template <typename List>
Names Items(const List& list) {
    Names items;
    for (int i = 0; i < list.ListCount(); ++i) {
        items.push_back(list.List(i));
    }
    return items;
}

// What Qt itself shows selected in the file list, by name.
Names QtSelected(qt::QtFileList& list) {
    Names names;
    for (int row = 0; row < list.ListCount(); ++row) {
        if (list.selectionModel()->isSelected(list.model()->index(row, 0))) {
            names.push_back(list.List(row));
        }
    }
    return names;
}

QPoint RowCentre(QAbstractItemView& view, int row) {
    return view.visualRect(view.model()->index(row, 0)).center();
}

class SelectionWindow : public test::MainWindowDoubles, public testing::Test {
  protected:
    SelectionWindow() : ui(Services()) {}

    void SetUp() override {
        ui.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.window));
    }

    // Opens a folder holding these empty files.
    void Open(const Names& files) {
        for (const auto& name : files) {
            folder.Write(name, "");
        }
        ui.myFolders->SetPath(folder.Text());
        QCoreApplication::processEvents();
        ASSERT_EQ(ui.fileList->ListCount(), static_cast<int>(files.size()));
    }

    void ClickFile(int row, Qt::KeyboardModifiers keys = Qt::NoModifier,
                   Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(ui.fileList->viewport(), button, keys, RowCentre(*ui.fileList, row));
        QCoreApplication::processEvents();
    }

    // Presses the left button on one row of the merge list, moves to another with the button
    // held, and releases it there.
    void DragMergeRow(int from, int to) {
        QWidget* viewport = ui.lstFileSelect->viewport();
        const QPoint start = RowCentre(*ui.lstFileSelect, from);
        const QPoint end = RowCentre(*ui.lstFileSelect, to);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
        QMouseEvent move(QEvent::MouseMove, end, viewport->mapToGlobal(end), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, end);
        QCoreApplication::processEvents();
    }

    test::QtMainWindow ui;
    test::TempFolder folder;
};

TEST_F(SelectionWindow, PickingFilesKeepsThoseOfAnAcceptedType) {
    Open({"a.txt", "b.exe", "c.SQL", "d.dat"});
    ui.lstFileSelect->AddItem("old.txt");

    ClickFile(0);
    EXPECT_EQ(Items(*ui.lstFileSelect), Names{"a.txt"});
    ClickFile(1, Qt::ControlModifier);
    ClickFile(2, Qt::ControlModifier);
    EXPECT_EQ(Items(*ui.lstFileSelect), (Names{"a.txt", "c.SQL"}));
    EXPECT_EQ(QtSelected(*ui.fileList), (Names{"a.txt", "c.SQL"}));
    EXPECT_EQ(ui.lstFileSelect->ListIndex(), -1);

    // The keyboard changes only the selection; the next release, of any button, takes it over.
    ui.fileList->setFocus();
    QTest::keyClick(ui.fileList, Qt::Key_A, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QtSelected(*ui.fileList).size(), 4u);
    EXPECT_EQ(Items(*ui.lstFileSelect), (Names{"a.txt", "c.SQL"}));
    ClickFile(3, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(Items(*ui.lstFileSelect), (Names{"a.txt", "c.SQL", "d.dat"}));
    EXPECT_EQ(QtSelected(*ui.fileList), (Names{"a.txt", "c.SQL", "d.dat"}));
    EXPECT_TRUE(msg.shown.empty());
}

TEST_F(SelectionWindow, DraggingARowAndTheArrowButtonsReorderTheMergeList) {
    Open({"A.txt", "B.txt", "C.txt", "D.txt", "E.txt", "F.txt"});
    ClickFile(0);
    ClickFile(5, Qt::ShiftModifier);
    const Names picked = {"A.txt", "B.txt", "C.txt", "D.txt", "E.txt", "F.txt"};
    ASSERT_EQ(Items(*ui.lstFileSelect), picked);
    ASSERT_EQ(ui.lstFileSelect->ListIndex(), -1);

    QTest::mouseClick(ui.cmdUp, Qt::LeftButton);  // no current row: nothing moves
    EXPECT_EQ(Items(*ui.lstFileSelect), picked);

    DragMergeRow(0, 3);
    EXPECT_EQ(Items(*ui.lstFileSelect),
              (Names{"B.txt", "C.txt", "D.txt", "A.txt", "E.txt", "F.txt"}));
    EXPECT_EQ(ui.lstFileSelect->ListIndex(), 3);
    EXPECT_EQ(ui.lstFileSelect->currentIndex().row(), 3);

    QTest::mouseClick(ui.cmdUp, Qt::LeftButton);
    EXPECT_EQ(Items(*ui.lstFileSelect),
              (Names{"B.txt", "C.txt", "A.txt", "D.txt", "E.txt", "F.txt"}));
    EXPECT_EQ(ui.lstFileSelect->ListIndex(), 2);
    QTest::mouseClick(ui.cmdDown, Qt::LeftButton);
    QTest::mouseClick(ui.cmdDown, Qt::LeftButton);
    EXPECT_EQ(Items(*ui.lstFileSelect),
              (Names{"B.txt", "C.txt", "D.txt", "E.txt", "A.txt", "F.txt"}));
    EXPECT_EQ(ui.lstFileSelect->ListIndex(), 4);

    DragMergeRow(5, 0);
    EXPECT_EQ(Items(*ui.lstFileSelect),
              (Names{"F.txt", "B.txt", "C.txt", "D.txt", "E.txt", "A.txt"}));
    EXPECT_EQ(ui.lstFileSelect->ListIndex(), 0);

    // A click in the file list rebuilds the merge list in file-list order.
    ClickFile(5, Qt::ControlModifier);
    ClickFile(5, Qt::ControlModifier);
    EXPECT_EQ(Items(*ui.lstFileSelect), picked);
    EXPECT_EQ(ui.lstFileSelect->ListIndex(), -1);
}

TEST_F(SelectionWindow, OpeningAFolderMovesTheFileListAndFailuresStaySilent) {
    Open({"top.txt"});
    const std::string sub = folder.MakeFolder("sub");
    folder.Write("sub/inner.sql", "");
    folder.MakeFolder("vanishing");
    ui.myFolders->SetPath(folder.Text());
    ClickFile(0);
    ASSERT_EQ(Items(*ui.lstFileSelect), Names{"top.txt"});

    // The subfolders are entries 0 and 1; a double click opens one.
    ASSERT_EQ(ui.myFolders->ListCount(), 2);
    ui.myFolders->SetListIndex(0);
    ASSERT_EQ(ui.myFolders->List(0), sub);
    const int subRow = ui.myFolders->currentRow();
    ui.myFolders->scrollToItem(ui.myFolders->item(subRow));
    const QPoint subCentre = ui.myFolders->visualItemRect(ui.myFolders->item(subRow)).center();
    // A double click: a click, then the second press and release.
    QTest::mouseClick(ui.myFolders->viewport(), Qt::LeftButton, Qt::NoModifier, subCentre);
    QTest::mouseDClick(ui.myFolders->viewport(), Qt::LeftButton, Qt::NoModifier, subCentre);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.myFolders->Path(), sub);
    EXPECT_EQ(ui.fileList->Path(), sub);
    EXPECT_EQ(Items(*ui.fileList), Names{"inner.sql"});
    EXPECT_EQ(Items(*ui.lstFileSelect), Names{"top.txt"});  // untouched until a release

    // A folder that is gone by the time it is opened leaves both lists as they were.
    ui.myFolders->SetPath(folder.Text());
    const std::string shown = ui.fileList->Path();
    std::filesystem::remove(folder.At("vanishing"));
    ui.myFolders->SetListIndex(1);
    QTest::keyClick(ui.myFolders, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.fileList->Path(), shown);
    EXPECT_EQ(Items(*ui.fileList), Names{"top.txt"});
    EXPECT_TRUE(msg.shown.empty());
}

}  // namespace
}  // namespace kelvane

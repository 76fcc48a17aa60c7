// Merging on the real main window, as a user does it with the mouse and the keyboard.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <string>

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

QPoint RowCentre(QAbstractItemView& view, int row) {
    return view.visualRect(view.model()->index(row, 0)).center();
}

// The folder opened, its files picked in the file list (d.exe is no accepted type), the first
// dragged to the end of the merge list, the target typed and "&Merge files" clicked: the
// merged file holds the files in the order shown.
TEST(MergeWindow, TheUsersGesturesEndInTheMergedFile) {
    test::MainWindowDoubles doubles;
    test::QtMainWindow ui(doubles.Services());
    ui.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.window));
    test::TempFolder folder;
    test::TempFolder out;
    const std::string b("B\0\x1A\xFF\r\n", 6);  // NUL, 0x1A and a byte that is no UTF-8
    folder.Write("a.txt", "A1\nA2");
    folder.Write("b.SQL", b);
    folder.Write("c.dat", "");
    folder.Write("d.exe", "not text\n");
    ui.myFolders->SetPath(folder.Text());
    QCoreApplication::processEvents();
    ASSERT_EQ(ui.fileList->ListCount(), 4);

    for (int row = 0; row < 4; ++row) {
        QTest::mouseClick(ui.fileList->viewport(), Qt::LeftButton,
                          row == 0 ? Qt::NoModifier : Qt::ControlModifier,
                          RowCentre(*ui.fileList, row));
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(ui.lstFileSelect->ListCount(), 3);
    QWidget* viewport = ui.lstFileSelect->viewport();
    const QPoint first = RowCentre(*ui.lstFileSelect, 0);
    const QPoint last = RowCentre(*ui.lstFileSelect, 2);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, first);
    QMouseEvent move(QEvent::MouseMove, last, viewport->mapToGlobal(last), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, last);
    ui.txtTartgetPath->setFocus();
    QTest::keyClicks(ui.txtTartgetPath, QString::fromStdString(out.At("all.sql")));
    QTest::mouseClick(ui.cmdMerge, Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_TRUE(doubles.msg.shown.empty());
    EXPECT_EQ(out.Read("all.sql"), b + "A1\r\nA2\r\n");
}

}  // namespace
}  // namespace kelvane

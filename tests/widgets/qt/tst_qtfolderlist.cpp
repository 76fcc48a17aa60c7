#include "widgets/qt/qtfolderlist.h"

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "qttestapp.h"
#include "tempfolder.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

class FolderListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        top = folder.MakeFolder("top");
        open = folder.MakeFolder("top/open");
        for (const char* name : {"top/open/sub10", "top/open/sub2", "top/open/.hidden"}) {
            folder.MakeFolder(name);
        }
        folder.Write("top/open/file.txt", "x");
        QObject::connect(&list, &QtFolderList::Change, [this] { ++changes; });
    }

    TempFolder folder;
    std::string top;
    std::string open;
    QtFolderList list;
    int changes = 0;
};

TEST_F(FolderListTest, NumbersTheOpenFolderItsAncestorsAndItsSubfolders) {
    list.SetPath(open);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.Path(), open);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.List(-1), open);
    EXPECT_EQ(list.List(-2), top);
    EXPECT_EQ(list.List(-3), folder.Text());
    ASSERT_EQ(list.ListCount(), 2);  // the hidden folder and the file are not shown
    EXPECT_EQ(list.List(0), (fs::path(open) / "sub2").string());
    EXPECT_EQ(list.List(1), (fs::path(open) / "sub10").string());

    // The root is the first row, as entry -(ancestors + 1).
    const fs::path openPath(open);
    const int depth = static_cast<int>(std::distance(openPath.begin(), openPath.end()));
    EXPECT_EQ(list.List(-depth), "/");
    EXPECT_THROW(list.List(-depth - 1), WidgetError);
    EXPECT_THROW(list.List(2), WidgetError);
    EXPECT_THROW(list.SetListIndex(2), WidgetError);
}

TEST_F(FolderListTest, AcceptsRelativeDottedAndTrailingSeparatorPaths) {
    list.SetPath(open + "/sub2/../");
    EXPECT_EQ(list.Path(), open);
    list.SetPath("/");
    EXPECT_EQ(list.Path(), "/");
    EXPECT_EQ(list.List(-1), "/");
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(FolderListTest, AFolderThatCanNotBeReadChangesNothing) {
    list.SetPath(open);
    EXPECT_THROW(list.SetPath(folder.At("missing")), WidgetError);
    EXPECT_THROW(list.SetPath(folder.At("top/open/file.txt")), WidgetError);
    EXPECT_THROW(list.SetPath(""), WidgetError);
    EXPECT_EQ(list.Path(), open);
    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(changes, 1);
}

TEST_F(FolderListTest, AClickMovesTheHighlightAndADoubleClickOrEnterOpens) {
    list.resize(300, 400);
    list.SetPath(open);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    // Contract index i is shown on row (rows before the subfolders) + i.
    const auto rowOf = [this](int index) {
        return list.visualItemRect(list.item(list.count() - list.ListCount() + index)).center();
    };
    const QPoint sub10 = rowOf(1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, sub10);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(list.Path(), open);
    EXPECT_EQ(changes, 1);

    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, sub10);
    EXPECT_EQ(list.Path(), (fs::path(open) / "sub10").string());
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(changes, 2);

    list.SetListIndex(-2);  // the parent, by the keyboard
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.Path(), open);
    EXPECT_EQ(changes, 3);

    // Opening the open folder again is no change: the file list keeps the user's picks.
    fs::create_directory(fs::path(open) / "sub3");
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.Path(), open);
    EXPECT_EQ(list.ListCount(), 3) << "its subfolders are shown afresh";
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace kelvane::qt

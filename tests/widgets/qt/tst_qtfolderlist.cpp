#include "widgets/qt/qtfolderlist.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QKeySequence>
#include <QPixmap>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <vector>

#include "listcontract.h"
#include "qttestapp.h"
#include "tempfolder.h"
#include "typeaheadclock.h"
#include "widgets/qt/qtfilelist.h"

namespace kelvane::qt {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

using test::FolderListContract;
using test::FolderListMaker;
INSTANTIATE_TEST_SUITE_P(Qt, FolderListContract,
                         testing::Values(FolderListMaker{
                             "Qt",
                             [] {
                                 auto list = std::make_shared<QtFolderList>();
                                 auto changes = std::make_shared<int>(0);
                                 QObject::connect(list.get(), &QtFolderList::Change,
                                                  [changes] { ++*changes; });
                                 return test::FolderListMade{list, changes};
                             }}),
                         test::MakerName<FolderListMaker>);

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
    // The list on screen, with the open folder open.
    void Show() {
        list.resize(300, 400);
        list.SetPath(open);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    TempFolder folder;
    std::string top;
    std::string open;
    QtFolderList list;
    int changes = 0;
};

TEST_F(FolderListTest, ALetterMovesTheHighlightToTheNextFolderStartingWithIt) {
    ASSERT_NO_FATAL_FAILURE(Show());
    test::TypeAheadClock clock;
    const struct {
        Qt::Key key;
        bool quick;  // typed in quick succession after the key before
        int index;
    } keys[] = {{Qt::Key_S, false, 0},  {Qt::Key_S, false, 1}, {Qt::Key_O, false, -1},
                {Qt::Key_X, false, -1}, {Qt::Key_S, false, 0}, {Qt::Key_U, true, 0},
                {Qt::Key_B, true, 0},   {Qt::Key_1, true, 1},  {Qt::Key_S, false, 0},
                {Qt::Key_S, true, 1}};
    for (const auto& k : keys) {
        if (!k.quick) {
            clock.Pause();
        }
        QTest::keyClick(&list, k.key);
        EXPECT_EQ(list.ListIndex(), k.index)
            << "after " << QKeySequence(k.key).toString().toStdString();
    }
    EXPECT_EQ(list.Path(), open);
    EXPECT_EQ(changes, 1);
}

// A click moves the highlight, which shows the folder the merge reads, always: a gesture moves it
// to another row or changes nothing, and never leaves the list with no row drawn highlighted.
// A double click or Enter opens the highlighted folder.
TEST_F(FolderListTest, AClickMovesTheHighlightAndADoubleClickOrEnterOpens) {
    ASSERT_NO_FATAL_FAILURE(Show());
    const int firstSub = list.count() - list.ListCount();
    const auto click = [&](int y, Qt::KeyboardModifiers keys) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, keys, QPoint(20, y));
    };
    const int sub2 = list.visualItemRect(list.item(firstSub)).center().y();
    const QPoint sub10 = list.visualItemRect(list.item(firstSub + 1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, sub10);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, sub10);
    EXPECT_EQ(list.Path(), (fs::path(open) / "sub10").string());
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(changes, 2);
    list.SetListIndex(-2);  // the parent, by the keyboard
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.Path(), open);
    const struct {
        const char* gesture;
        std::function<void()> act;
        int index;  // highlighted afterwards
    } gestures[] = {
        {"click", [&] { click(sub2, {}); }, 0},
        {"Ctrl+click on the highlighted row", [&] { click(sub2, Qt::ControlModifier); }, 0},
        {"Ctrl+Space", [&] { QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier); }, 0},
        {"click below the last row", [&] { click(list.viewport()->height() - 5, {}); }, 0},
        {"Ctrl+Down", [&] { QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier); }, 1},
        {"Ctrl+click on another row", [&] { click(sub2, Qt::ControlModifier); }, 0},
    };
    for (const auto& g : gestures) {
        SCOPED_TRACE(g.gesture);
        g.act();
        EXPECT_EQ(list.ListIndex(), g.index);
        const QList<QListWidgetItem*> drawn = list.selectedItems();
        EXPECT_EQ(drawn.size() == 1 ? list.row(drawn.front()) : -1, firstSub + g.index);
    }
    EXPECT_EQ(list.Path(), open);
    EXPECT_EQ(changes, 3);
}

// The folder pictures are small ones: a folder row is as high as the file list's text rows, or
// where the platform's small picture is taller than the text, as a list's row that shows one.
TEST_F(FolderListTest, ItsRowsAreNoHigherThanSmallPicturesMakeThem) {
    list.SetPath(open);
    QtFileList files;
    files.SetPath(open);
    QListWidget pictured;
    const int side = pictured.style()->pixelMetric(QStyle::PM_SmallIconSize);
    pictured.setIconSize(QSize(side, side));
    pictured.addItem(new QListWidgetItem(list.item(0)->icon(), "x"));
    EXPECT_EQ(list.sizeHintForRow(0),
              std::max(files.sizeHintForRow(0), pictured.sizeHintForRow(0)));
}

// The shape of a row's picture: which pixels of it are drawn.
std::vector<bool> Silhouette(const QListWidgetItem& row) {
    const QImage image =
        row.icon().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    std::vector<bool> drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn.push_back(qAlpha(image.pixel(x, y)) > 128);
        }
    }
    return drawn;
}

TEST_F(FolderListTest, TheOpenFolderAndItsAncestorsShowAnOpenFolderPicture) {
    list.SetPath(open);
    const int subfolders = list.ListCount();
    const int openRows = list.count() - subfolders;  // the root down to the open folder
    ASSERT_EQ(subfolders, 2);
    const QImage openPicture = list.item(0)->icon().pixmap(QSize(16, 16)).toImage();
    const QImage closedPicture = list.item(openRows)->icon().pixmap(QSize(16, 16)).toImage();
    for (int row = 0; row < list.count(); ++row) {
        EXPECT_EQ(list.item(row)->icon().pixmap(QSize(16, 16)).toImage(),
                  row < openRows ? openPicture : closedPicture)
            << "row " << row;
    }
    // Not a shade apart but another shape, as in the classic directory lists.
    const std::vector<bool> opened = Silhouette(*list.item(openRows - 1));
    const std::vector<bool> closed = Silhouette(*list.item(openRows));
    ASSERT_EQ(opened.size(), 256u);
    ASSERT_EQ(closed.size(), 256u);
    int either = 0;
    int one = 0;
    for (std::size_t pixel = 0; pixel < opened.size(); ++pixel) {
        either += opened[pixel] || closed[pixel] ? 1 : 0;
        one += opened[pixel] != closed[pixel] ? 1 : 0;
    }
    EXPECT_GT(either, 64) << "a picture fills a good part of its square";
    EXPECT_GE(one * 20, either) << "the shapes differ in at least a twentieth of their pixels";
}

}  // namespace
}  // namespace kelvane::qt

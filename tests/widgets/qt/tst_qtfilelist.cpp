#include "widgets/qt/qtfilelist.h"

#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "listcontract.h"
#include "qttestapp.h"
#include "tempfolder.h"

namespace kelvane::qt {
namespace {

using test::TempFolder;

// What Qt itself shows as selected, row by row.
std::vector<bool> QtSelection(const QtFileList& list) {
    std::vector<bool> rows;
    for (int i = 0; i < list.ListCount(); ++i) {
        rows.push_back(list.selectionModel()->isSelected(list.model()->index(i, 0)));
    }
    return rows;
}

TEST(QtFileListTest, NamesThatAreNotTextKeepTheirExactBytes) {
    TempFolder folder;
    const std::string raw = "r\xe9sum\xe9.txt";  // Latin-1 bytes, not valid UTF-8
    folder.Write(raw, "x");
    QtFileList list;
    list.SetPath(folder.Text());
    ASSERT_EQ(list.ListCount(), 1);
    EXPECT_EQ(list.List(0), raw);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / raw));
    EXPECT_TRUE(list.model()->index(0, 0).data().toString().contains(QChar(0xFFFD)));
}

class FileSelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < kCount; ++i) {
            folder.Write("f" + std::to_string(i) + ".txt", "");
        }
        list.SetPath(folder.Text());
        ASSERT_EQ(list.ListCount(), kCount);
    }

    static constexpr int kCount = 300;
    TempFolder folder;
    QtFileList list;
};

TEST_F(FileSelectionTest, ScatteredWritesReachQtAsOneBatch) {
    list.selectAll();  // as Ctrl+A
    std::vector<bool> expected(kCount, true);
    for (int i = 0; i < kCount; ++i) {
        ASSERT_TRUE(list.Selected(i));
        if (i % 2 == 1 || i % 7 == 0) {
            list.SetSelected(i, false);
            expected[static_cast<std::size_t>(i)] = false;
        }
    }
    list.SetSelected(0, true);  // and one written back again
    expected[0] = true;
    int batches = 0;
    QObject::connect(list.selectionModel(), &QItemSelectionModel::selectionChanged,
                     [&] { ++batches; });
    list.FlushSelection();
    EXPECT_EQ(QtSelection(list), expected);
    EXPECT_LE(batches, 2);  // cleared, then selected: never one change per row
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(list.Selected(i), expected[static_cast<std::size_t>(i)]) << i;
    }
}

TEST_F(FileSelectionTest, WritesAreHandedBackWhenTheReleaseHandlersReturn) {
    list.resize(200, 400);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    std::vector<bool> qtAtRelease;
    int releases = 0;
    QObject::connect(&list, &QtFileList::MouseUp, [&](const MouseEvent&) {
        if (++releases < 2) {
            return;
        }
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(list.Selected(i));
        }
        list.SetSelected(1, false);
        qtAtRelease = QtSelection(list);
    });
    const QPoint first = list.visualRect(list.model()->index(0, 0)).center();
    const QPoint third = list.visualRect(list.model()->index(2, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, first);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, third);
    ASSERT_FALSE(qtAtRelease.empty());
    EXPECT_TRUE(qtAtRelease[1]);  // not yet handed back while the handler runs
    const std::vector<bool> now = QtSelection(list);
    EXPECT_TRUE(now[0]);
    EXPECT_FALSE(now[1]);
    EXPECT_TRUE(now[2]);
    EXPECT_FALSE(now[3]);
}

TEST_F(FileSelectionTest, AWriteOutsideAReleaseIsHandedBackAtTheNextTurnOfTheEventLoop) {
    list.SetSelected(5, true);
    EXPECT_FALSE(QtSelection(list)[5]);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QtSelection(list)[5]);
}

TEST_F(FileSelectionTest, ReadsFollowTheUsersChangesOfTheSelection) {
    EXPECT_FALSE(list.Selected(4));  // snapshot taken
    list.selectionModel()->select(list.model()->index(4, 0), QItemSelectionModel::Select);
    EXPECT_TRUE(list.Selected(4));
    list.selectionModel()->clearSelection();
    EXPECT_FALSE(list.Selected(4));
}

TEST_F(FileSelectionTest, MovingToAnotherFolderStartsWithNothingSelected) {
    list.selectAll();
    EXPECT_TRUE(list.Selected(0));
    TempFolder other;
    other.Write("x.txt", "");
    list.SetPath(other.Text());
    EXPECT_FALSE(list.Selected(0));
    EXPECT_EQ(QtSelection(list), std::vector<bool>{false});
}

// The file list on screen, clicked and typed into through Qt's events.
class QtFileListHand : public test::FileListHand {
  public:
    explicit QtFileListHand(const std::string& folder) {
        list_.SetPath(folder);
        list_.resize(200, 300);
        EXPECT_TRUE(test::ShowActive(list_));
    }
    FileList& Files() override { return list_; }
    void Click(int row, int keys) override {
        const Qt::KeyboardModifiers modifiers =
            (keys & kCtrl ? Qt::ControlModifier : Qt::NoModifier) |
            (keys & kShift ? Qt::ShiftModifier : Qt::NoModifier);
        if (row == kDownKey) {
            QTest::keyClick(&list_, Qt::Key_Down, modifiers);
            return;
        }
        if (row < kDownKey) {  // through the window, as keys come, so that Qt knows which are held
            QTest::keyClick(list_.windowHandle(), TypedChar(row), modifiers);
            return;
        }
        const Qt::MouseButton button = keys & kRight    ? Qt::RightButton
                                       : keys & kMiddle ? Qt::MiddleButton
                                                        : Qt::LeftButton;
        QTest::mouseClick(list_.viewport(), button, modifiers,
                          list_.visualRect(list_.model()->index(row, 0)).center());
    }
    void OnMouseUp(std::function<void()> handler) override {
        QObject::connect(&list_, &QtFileList::MouseUp,
                         [handler = std::move(handler)](const MouseEvent&) { handler(); });
    }

  private:
    QtFileList list_;
};

using test::RefusedFilesTest;
INSTANTIATE_TEST_SUITE_P(Qt, RefusedFilesTest,
                         testing::Combine(testing::Values(test::FileListHandMaker{
                                              "Qt",
                                              [](const std::string& folder) {
                                                  return std::make_unique<QtFileListHand>(folder);
                                              }}),
                                          testing::ValuesIn(test::RefusedFileGestures())),
                         test::GestureName);

}  // namespace
}  // namespace kelvane::qt

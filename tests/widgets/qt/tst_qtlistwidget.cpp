#include "widgets/qt/qtlistwidget.h"

#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QTest>
#include <vector>

#include "qttestapp.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {
namespace {

class SingleListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list.resize(200, 300);
        for (const char* text : {"A", "B", "C", "D", "E", "F"}) {
            list.AddItem(text);
        }
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QPoint RowCentre(int row) const {
        return list.visualRect(list.model()->index(row, 0)).center();
    }

    int SelectedCount() const {
        int count = 0;
        for (int i = 0; i < list.ListCount(); ++i) {
            count += list.Selected(i) ? 1 : 0;
        }
        return count;
    }

    QtListWidget list{QtListWidget::Style::SingleSelection};
};

TEST_F(SingleListTest, SettingSelectedMakesTheOnlySelectedAndCurrentRow) {
    list.SetSelected(1, true);
    list.SetSelected(4, true);
    EXPECT_EQ(list.ListIndex(), 4);
    EXPECT_TRUE(list.Selected(4));
    EXPECT_EQ(SelectedCount(), 1);

    list.SetSelected(4, false);
    EXPECT_EQ(SelectedCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(SingleListTest, PressMakesTheRowCurrentBeforeTheEventAndTheCurrentRowFollowsTheDrag) {
    std::vector<int> currentAtPress;
    std::vector<MouseEvent> releases;
    QObject::connect(&list, &QtListWidget::MouseDown,
                     [&](const MouseEvent&) { currentAtPress.push_back(list.ListIndex()); });
    QObject::connect(&list, &QtListWidget::MouseUp,
                     [&](const MouseEvent& event) { releases.push_back(event); });

    QWidget* area = list.viewport();
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, RowCentre(0));
    QTest::mouseMove(area, RowCentre(1));
    EXPECT_EQ(list.ListIndex(), 1);
    QTest::mouseMove(area, RowCentre(3));
    EXPECT_EQ(list.ListIndex(), 3);
    QTest::mouseRelease(area, Qt::LeftButton, Qt::ShiftModifier, RowCentre(3));

    ASSERT_EQ(currentAtPress, std::vector<int>{0});
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_EQ(SelectedCount(), 1);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(releases[0].button, MouseEvent::LeftButton);
    EXPECT_EQ(releases[0].shift, MouseEvent::ShiftKey);
    EXPECT_EQ(releases[0].y, RowCentre(3).y());
    // Texts never move by themselves.
    EXPECT_EQ(list.List(0), "A");
    EXPECT_EQ(list.List(3), "D");
}

TEST_F(SingleListTest, RightButtonIsReportedButPicksNoRow) {
    list.SetSelected(2, true);
    std::vector<MouseEvent> presses;
    QObject::connect(&list, &QtListWidget::MouseDown,
                     [&](const MouseEvent& event) { presses.push_back(event); });
    QTest::mousePress(list.viewport(), Qt::RightButton, Qt::ControlModifier, RowCentre(5));
    QTest::mouseRelease(list.viewport(), Qt::RightButton, Qt::ControlModifier, RowCentre(5));
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].button, MouseEvent::RightButton);
    EXPECT_EQ(presses[0].shift, MouseEvent::CtrlKey);
    EXPECT_EQ(list.ListIndex(), 2);
}

TEST_F(SingleListTest, CtrlClickKeepsThePickedRowSelected) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(2));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_TRUE(list.Selected(2));
}

TEST_F(SingleListTest, NoCurrentRowAfterClearRemovalOrTakingTheFocus) {
    list.SetSelected(2, true);
    list.RemoveItem(2);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.NewIndex(), -1);
    EXPECT_EQ(list.List(2), "D");

    list.SetSelected(1, true);
    list.Clear();
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.ListCount(), 0);
    list.AddItem("X");
    EXPECT_EQ(list.NewIndex(), 0);
    EXPECT_EQ(list.ListIndex(), -1);

    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    list.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(SingleListTest, RemovingAnotherRowKeepsTheCurrentText) {
    list.SetSelected(4, true);
    list.RemoveItem(1);
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_EQ(list.List(3), "E");
}

TEST_F(SingleListTest, IndexesOutsideTheListRaise) {
    EXPECT_THROW(list.List(6), WidgetError);
    EXPECT_THROW(list.List(-1), WidgetError);
    EXPECT_THROW(list.SetList(6, "x"), WidgetError);
    EXPECT_THROW(list.Selected(6), WidgetError);
    EXPECT_THROW(list.SetSelected(-1, true), WidgetError);
    EXPECT_THROW(list.RemoveItem(6), WidgetError);
    EXPECT_THROW(list.SetListIndex(6), WidgetError);
    EXPECT_NO_THROW(list.SetListIndex(-1));
}

TEST(QtListWidgetTest, CheckBoxStyleKeepsCheckMarksApartFromTheHighlight) {
    QtListWidget list(QtListWidget::Style::CheckBox);
    for (const char* text : {"TXT", "SQL", "DAT"}) {
        list.AddItem(text);
        list.SetSelected(list.NewIndex(), true);
    }
    list.SetSelected(1, false);
    EXPECT_TRUE(list.Selected(0));
    EXPECT_FALSE(list.Selected(1));
    EXPECT_TRUE(list.Selected(2));
    EXPECT_EQ(list.ListIndex(), -1);

    list.SetListIndex(2);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_TRUE(list.Selected(0));  // the highlight doesn't touch the marks
    EXPECT_EQ(list.model()->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(list.model()->index(1, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
}

TEST(QtListWidgetTest, TextsKeepTheirBytesAndIndexesPass32767) {
    QtListWidget list(QtListWidget::Style::SingleSelection);
    const std::string raw = "caf\xe9-\xff.txt";  // not valid UTF-8
    for (int i = 0; i < 40000; ++i) {
        list.AddItem(i == 39999 ? raw : "f" + std::to_string(i));
    }
    EXPECT_EQ(list.ListCount(), 40000);
    EXPECT_EQ(list.NewIndex(), 39999);
    EXPECT_EQ(list.List(39999), raw);
    EXPECT_TRUE(list.model()->index(39999, 0).data().toString().contains(QChar(0xFFFD)));
    list.SetSelected(35000, true);
    EXPECT_EQ(list.ListIndex(), 35000);
    list.SetList(35000, raw);
    EXPECT_EQ(list.List(35000), raw);
}

}  // namespace
}  // namespace kelvane::qt

#include "pages/selection/mergeorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakelistwidget.h"

namespace kelvane {
namespace {

using test::FakeListWidget;
using Rows = std::vector<std::string>;

const Rows kSix = {"A", "B", "C", "D", "E", "F"};

// A press of the primary button over a row makes it current before the press is handled; while
// the button is held the current row follows the pointer, so the release sees the row under it.
void Drag(FakeListWidget& list, MergeOrder& order, int pressRow, int releaseRow) {
    list.SetListIndex(pressRow);
    order.lstFileSelect_MouseDown(MouseEvent{});
    list.SetListIndex(releaseRow);
    order.lstFileSelect_MouseUp(MouseEvent{});
}

struct DragCase {
    int press;
    int release;
    Rows after;
    int current;
};

class DragTest : public testing::TestWithParam<DragCase> {};

TEST_P(DragTest, MovesThePressedRowToTheReleaseRow) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    Drag(list, order, GetParam().press, GetParam().release);
    EXPECT_EQ(list.Items(), GetParam().after);
    EXPECT_EQ(list.ListIndex(), GetParam().current);
    EXPECT_TRUE(list.Selected(GetParam().current));
    EXPECT_EQ(order.DragFromIndex(), GetParam().press);
}

INSTANTIATE_TEST_SUITE_P(SixRows, DragTest,
                         testing::Values(DragCase{0, 3, {"B", "C", "D", "A", "E", "F"}, 3},
                                         DragCase{3, 0, {"D", "A", "B", "C", "E", "F"}, 0},
                                         DragCase{1, 5, {"A", "C", "D", "E", "F", "B"}, 5},
                                         DragCase{5, 1, {"A", "F", "B", "C", "D", "E"}, 1},
                                         DragCase{2, 3, {"A", "B", "D", "C", "E", "F"}, 3},
                                         DragCase{3, 2, {"A", "B", "D", "C", "E", "F"}, 2},
                                         DragCase{2, 2, {"A", "B", "C", "D", "E", "F"}, 2},
                                         DragCase{0, 5, {"B", "C", "D", "E", "F", "A"}, 5},
                                         DragCase{5, 0, {"F", "A", "B", "C", "D", "E"}, 0}));

TEST(MergeOrder, UpCarriesARowToTheTopOnePlacePerClickThenStops) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    list.SetSelected(3, true);
    order.cmdUp_Click();
    EXPECT_EQ(list.Items(), (Rows{"A", "B", "D", "C", "E", "F"}));
    EXPECT_EQ(list.ListIndex(), 2);
    order.cmdUp_Click();
    order.cmdUp_Click();
    EXPECT_EQ(list.Items(), (Rows{"D", "A", "B", "C", "E", "F"}));
    EXPECT_EQ(list.ListIndex(), 0);
    order.cmdUp_Click();
    EXPECT_EQ(list.Items(), (Rows{"D", "A", "B", "C", "E", "F"}));
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_TRUE(list.Selected(0));
}

TEST(MergeOrder, DownCarriesARowToTheBottomOnePlacePerClickThenStops) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    list.SetSelected(3, true);
    order.cmdDown_Click();
    EXPECT_EQ(list.Items(), (Rows{"A", "B", "C", "E", "D", "F"}));
    EXPECT_EQ(list.ListIndex(), 4);
    for (int click = 0; click < 3; ++click) {
        order.cmdDown_Click();
    }
    EXPECT_EQ(list.Items(), (Rows{"A", "B", "C", "E", "F", "D"}));
    EXPECT_EQ(list.ListIndex(), 5);
}

TEST(MergeOrder, NothingMovesWithoutACurrentRowOrWithAnotherDirection) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    order.cmdUp_Click();
    order.cmdDown_Click();
    EXPECT_EQ(list.Items(), kSix);
    EXPECT_EQ(list.ListIndex(), -1);

    list.SetSelected(2, true);
    order.MoveRow(0);
    order.MoveRow(2);
    order.MoveRow(-2);
    EXPECT_EQ(list.Items(), kSix);
    EXPECT_EQ(list.ListIndex(), 2);

    FakeListWidget empty;
    MergeOrder emptyOrder(empty);
    emptyOrder.cmdUp_Click();
    emptyOrder.cmdDown_Click();
    EXPECT_EQ(empty.ListCount(), 0);
}

TEST(MergeOrder, ADragBetweenNeighboursIsOneClickOfUpOrDown) {
    FakeListWidget dragged(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder dragOrder(dragged);
    Drag(dragged, dragOrder, 4, 3);

    FakeListWidget clicked(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder clickOrder(clicked);
    clicked.SetSelected(4, true);
    clickOrder.cmdUp_Click();

    EXPECT_EQ(dragged.Items(), clicked.Items());
    EXPECT_EQ(dragged.ListIndex(), clicked.ListIndex());
}

TEST(MergeOrder, APressWithNoCurrentRowMovesNothing) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    order.lstFileSelect_MouseDown(MouseEvent{MouseEvent::RightButton});  // below the last row
    EXPECT_EQ(order.DragFromIndex(), -1);
    list.SetListIndex(4);
    order.lstFileSelect_MouseUp(MouseEvent{MouseEvent::RightButton});
    EXPECT_EQ(list.Items(), kSix);
    EXPECT_EQ(list.ListIndex(), 4);
}

TEST(MergeOrder, AListOfOneRowOrNoneIsLeftAlone) {
    FakeListWidget one(FakeListWidget::Style::SingleSelection, {"A"});
    MergeOrder order(one);
    order.lstFileSelect_MouseDown(MouseEvent{});  // no current row: remembers -1
    one.SetListIndex(0);
    order.lstFileSelect_MouseUp(MouseEvent{});
    EXPECT_EQ(one.Items(), Rows{"A"});
    EXPECT_EQ(one.ListIndex(), 0);
}

TEST(MergeOrder, AReleaseWithoutPressUsesTheRowOfTheLastPress) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    EXPECT_EQ(order.DragFromIndex(), 0);  // a new window remembers row 0
    list.SetListIndex(2);
    order.lstFileSelect_MouseUp(MouseEvent{});
    EXPECT_EQ(list.Items(), (Rows{"B", "C", "A", "D", "E", "F"}));
    EXPECT_EQ(list.ListIndex(), 2);
}

// A row remembered from the list before it was rebuilt, with fewer rows, names no row of the new
// list: the release moves nothing, wherever it is.
struct GoneRowCase {
    int remembered;
    int release;
};

class GoneRowTest : public testing::TestWithParam<GoneRowCase> {};

TEST_P(GoneRowTest, ARememberedRowThatIsGoneAfterARebuildMovesNothing) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    Drag(list, order, GetParam().remembered, GetParam().remembered);
    list.Clear();
    list.AddItem("X");
    list.AddItem("Y");
    list.SetListIndex(GetParam().release);
    EXPECT_NO_THROW(order.lstFileSelect_MouseUp(MouseEvent{}));
    EXPECT_EQ(list.Items(), (Rows{"X", "Y"}));
    EXPECT_EQ(list.ListIndex(), GetParam().release);
}

INSTANTIATE_TEST_SUITE_P(TwoRowsLeft, GoneRowTest,
                         testing::Values(GoneRowCase{5, 1}, GoneRowCase{2, 1}, GoneRowCase{2, 0},
                                         GoneRowCase{3, -1}));

}  // namespace
}  // namespace kelvane

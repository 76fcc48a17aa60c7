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
constexpr int kNoPress = -2;

struct DragCase {
    int press;  // the current row when the button goes down; kNoPress: it never does
    int release;
    Rows after;
    // The list is rebuilt with two rows between the press and the release: a row remembered from
    // before, which names no row of the new list, moves nothing, wherever the release is.
    bool rebuilt = false;
};

class DragTest : public testing::TestWithParam<DragCase> {};

// A press of the primary button over a row makes it current before the press is handled; while
// the button is held the current row follows the pointer, so the release sees the row under it.
// Without a press, the release uses the row of the last one: row 0 in a new window.
TEST_P(DragTest, MovesThePressedRowToTheReleaseRow) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    if (GetParam().press != kNoPress) {
        list.SetListIndex(GetParam().press);
        order.lstFileSelect_MouseDown(MouseEvent{MouseEvent::RightButton});
        EXPECT_EQ(order.DragFromIndex(), GetParam().press);
    }
    if (GetParam().rebuilt) {
        list.Clear();
        list.AddItem("X");
        list.AddItem("Y");
    }
    list.SetListIndex(GetParam().release);
    order.lstFileSelect_MouseUp(MouseEvent{});
    EXPECT_EQ(list.Items(), GetParam().after);
    EXPECT_EQ(list.ListIndex(), GetParam().release);
    EXPECT_TRUE(GetParam().release < 0 || list.Selected(GetParam().release));
}

INSTANTIATE_TEST_SUITE_P(SixRows, DragTest,
                         testing::Values(DragCase{0, 3, {"B", "C", "D", "A", "E", "F"}},
                                         DragCase{3, 0, {"D", "A", "B", "C", "E", "F"}},
                                         DragCase{2, 3, {"A", "B", "D", "C", "E", "F"}},
                                         DragCase{3, 2, {"A", "B", "D", "C", "E", "F"}},
                                         DragCase{2, 2, kSix}, DragCase{-1, 4, kSix},
                                         DragCase{0, 5, {"B", "C", "D", "E", "F", "A"}},
                                         DragCase{5, 0, {"F", "A", "B", "C", "D", "E"}},
                                         DragCase{kNoPress, 2, {"B", "C", "A", "D", "E", "F"}},
                                         DragCase{2, 1, {"X", "Y"}, true},
                                         DragCase{2, 0, {"X", "Y"}, true},
                                         DragCase{3, -1, {"X", "Y"}, true}));

struct ClickCase {
    int current;
    std::vector<int> moves;  // 1: Up clicked, -1: Down clicked, any other: MoveRow with it
    Rows after;
    int currentAfter;
};

class ClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(ClickTest, CarriesTheCurrentRowOnePlacePerClickThenStops) {
    FakeListWidget list(FakeListWidget::Style::SingleSelection, kSix);
    MergeOrder order(list);
    list.SetListIndex(GetParam().current);
    for (const int move : GetParam().moves) {
        move == 1 ? order.cmdUp_Click() : move == -1 ? order.cmdDown_Click() : order.MoveRow(move);
    }
    EXPECT_EQ(list.Items(), GetParam().after);
    EXPECT_EQ(list.ListIndex(), GetParam().currentAfter);
    if (GetParam().currentAfter >= 0) {
        EXPECT_TRUE(list.Selected(GetParam().currentAfter));
    }
}

INSTANTIATE_TEST_SUITE_P(
    SixRows, ClickTest,
    testing::Values(ClickCase{3, {1}, {"A", "B", "D", "C", "E", "F"}, 2},
                    ClickCase{3, {1, 1, 1, 1}, {"D", "A", "B", "C", "E", "F"}, 0},
                    ClickCase{3, {-1}, {"A", "B", "C", "E", "D", "F"}, 4},
                    ClickCase{3, {-1, -1, -1, -1}, {"A", "B", "C", "E", "F", "D"}, 5},
                    ClickCase{-1, {1, -1}, kSix, -1}, ClickCase{2, {0, 2, -2}, kSix, 2}));

}  // namespace
}  // namespace kelvane

#include "listcontract.h"

#include <cstdlib>
#include <initializer_list>
#include <sstream>

#include "widgets/widgeterror.h"

namespace kelvane::test {
namespace {

using Style = ListRows::Style;
constexpr Style kSingle = Style::SingleSelection;
constexpr Style kCheck = Style::CheckBox;

// The rows' texts, one after another.
std::string Rows(const ListWidget& list) {
    std::string rows;
    for (int i = 0; i < list.ListCount(); ++i) {
        rows += list.List(i);
    }
    return rows;
}

std::vector<int> SelectedRows(const ListWidget& list) {
    std::vector<int> rows;
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.Selected(i)) {
            rows.push_back(i);
        }
    }
    return rows;
}

// The program's calls, in turn: +N and -N set Selected(N) true or false, iN sets ListIndex, rN
// removes row N, c clears, aX adds the text X, sNX sets row N's text to X, lN reads List(N) and
// ?N reads Selected(N).
void Make(ListWidget& list, const std::string& calls) {
    std::istringstream in(calls);
    for (std::string call; in >> call;) {
        const int row = std::atoi(call.c_str() + 1);
        switch (call[0]) {
            case '+':
            case '-':
                list.SetSelected(row, call[0] == '+');
                break;
            case 'i':
                list.SetListIndex(row);
                break;
            case 'r':
                list.RemoveItem(row);
                break;
            case 'c':
                list.Clear();
                break;
            case 'a':
                list.AddItem(call.substr(1));
                break;
            case 's':
                list.SetList(row, call.substr(call.find_first_not_of("s-0123456789")));
                break;
            case 'l':
                list.List(row);
                break;
            default:
                list.Selected(row);
        }
    }
}

// What the program does to a list of the rows A to F, and what it reads afterwards.
struct ChangeCase {
    const char* name;
    Style style;
    const char* calls;
    int listIndex;
    std::vector<int> selected;
    const char* rows;
    int newIndex;
};

// One case a line, read across.
// clang-format off
const ChangeCase kChanges[] = {
    {"SelectingMakesTheOnlySelectedAndCurrentRow", kSingle, "+1 +4", 4, {4}, "ABCDEF", 5},
    {"UnselectingTheSelectedRowLeavesNoneCurrent", kSingle, "+4 -4", -1, {}, "ABCDEF", 5},
    {"UnselectingAnotherRowKeepsTheCurrentOne", kSingle, "+4 -2", 4, {4}, "ABCDEF", 5},
    {"ListIndexSelectsItsRow", kSingle, "i3", 3, {3}, "ABCDEF", 5},
    {"NoListIndexLeavesNoneSelected", kSingle, "+3 i-1", -1, {}, "ABCDEF", 5},
    {"RemovingTheCurrentRowLeavesNoneCurrent", kSingle, "+2 r2", -1, {}, "ABDEF", -1},
    {"RemovingARowBeforeTheCurrentOneKeepsItsText", kSingle, "+4 r1", 3, {3}, "ACDEF", -1},
    {"RemovingARowAfterTheCurrentOneKeepsIt", kSingle, "+1 r4", 1, {1}, "ABCDF", -1},
    {"ReplacingATextKeepsTheSelection", kSingle, "+2 s2Z s5Y", 2, {2}, "ABZDEY", 5},
    {"ClearLeavesNoRowAndNoneCurrent", kSingle, "+1 c", -1, {}, "", -1},
    {"AddingAfterAClearCountsFromTheFirstRow", kSingle, "+1 c aX", -1, {}, "X", 0},
    {"MarksAreApartFromTheHighlight", kCheck, "+0 +2 +5 -5", -1, {0, 2}, "ABCDEF", 5},
    {"TheHighlightLeavesTheMarks", kCheck, "+0 i3 -3", 3, {0}, "ABCDEF", 5},
    {"RemovingARowTakesItsMarkAlong", kCheck, "+1 +3 i4 r1", 3, {2}, "ACDEF", -1},
    {"AnAddedRowIsUnmarked", kCheck, "+5 aG", -1, {5}, "ABCDEFG", 6},
    {"ClearTakesTheMarksAndTheHighlight", kCheck, "+0 i0 c aX", -1, {}, "X", 0},
};
// clang-format on

TEST_P(ListWidgetContract, ChangesOfTheProgram) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.name);
        const std::shared_ptr<ListWidget> list = GetParam().make(c.style);
        Make(*list, "aA aB aC aD aE aF");
        Make(*list, c.calls);
        EXPECT_EQ(list->ListIndex(), c.listIndex);
        EXPECT_EQ(SelectedRows(*list), c.selected);
        EXPECT_EQ(Rows(*list), c.rows);
        EXPECT_EQ(list->NewIndex(), c.newIndex);
    }
}

TEST_P(ListWidgetContract, IndexesOutsideTheListRaise) {
    for (const Style style : {kSingle, kCheck}) {
        const std::shared_ptr<ListWidget> list = GetParam().make(style);
        Make(*list, "aA aB aC");
        for (const char* outside :
             {"l3", "l-1", "s3x", "?3", "?-1", "+-1", "-3", "r3", "i3", "i-2"}) {
            EXPECT_THROW(Make(*list, outside), WidgetError) << outside;
        }
        EXPECT_NO_THROW(list->SetListIndex(-1));
        EXPECT_EQ(Rows(*list), "ABC");
    }
}

TEST_P(ListWidgetContract, TextsKeepTheirBytesAndIndexesPass32767) {
    const std::shared_ptr<ListWidget> list = GetParam().make(kSingle);
    const std::string raw = "caf\xe9-\xff.txt";  // not valid UTF-8
    for (int i = 0; i < 40000; ++i) {
        list->AddItem(i == 39999 ? raw : "f" + std::to_string(i));
    }
    EXPECT_EQ(list->ListCount(), 40000);
    EXPECT_EQ(list->NewIndex(), 39999);
    EXPECT_EQ(list->List(39999), raw);
    list->SetSelected(35000, true);
    EXPECT_EQ(list->ListIndex(), 35000);
    list->SetList(35000, raw);
    EXPECT_EQ(list->List(35000), raw);
}

}  // namespace
}  // namespace kelvane::test

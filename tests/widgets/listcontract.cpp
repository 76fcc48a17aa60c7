#include "listcontract.h"

#include <initializer_list>

#include "widgets/widgeterror.h"

namespace kelvane::test {
namespace {

using Style = ListRows::Style;
constexpr Style kSingle = Style::SingleSelection;
constexpr Style kCheck = Style::CheckBox;

std::vector<std::string> Rows(const ListWidget& list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list.ListCount(); ++i) {
        rows.push_back(list.List(i));
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

// What the program does to a list of the rows A to F, and what it reads afterwards.
struct ChangeCase {
    const char* name;
    Style style;
    std::function<void(ListWidget&)> change;
    int listIndex;
    std::vector<int> selected;
    std::vector<std::string> rows;
    int newIndex;
};

const std::vector<std::string> kAtoF = {"A", "B", "C", "D", "E", "F"};

const ChangeCase kChanges[] = {
    {"SelectingMakesTheOnlySelectedAndCurrentRow",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(1, true);
         l.SetSelected(4, true);
     },
     4,
     {4},
     kAtoF,
     5},
    {"UnselectingTheSelectedRowLeavesNoneCurrent",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(4, true);
         l.SetSelected(4, false);
     },
     -1,
     {},
     kAtoF,
     5},
    {"UnselectingAnotherRowKeepsTheCurrentOne",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(4, true);
         l.SetSelected(2, false);
     },
     4,
     {4},
     kAtoF,
     5},
    {"ListIndexSelectsItsRow", kSingle, [](ListWidget& l) { l.SetListIndex(3); }, 3, {3}, kAtoF, 5},
    {"NoListIndexLeavesNoneSelected",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(3, true);
         l.SetListIndex(-1);
     },
     -1,
     {},
     kAtoF,
     5},
    {"RemovingTheCurrentRowLeavesNoneCurrent",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(2, true);
         l.RemoveItem(2);
     },
     -1,
     {},
     {"A", "B", "D", "E", "F"},
     -1},
    {"RemovingARowBeforeTheCurrentOneKeepsItsText",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(4, true);
         l.RemoveItem(1);
     },
     3,
     {3},
     {"A", "C", "D", "E", "F"},
     -1},
    {"RemovingARowAfterTheCurrentOneKeepsIt",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(1, true);
         l.RemoveItem(4);
     },
     1,
     {1},
     {"A", "B", "C", "D", "F"},
     -1},
    {"ReplacingATextKeepsTheSelection",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(2, true);
         l.SetList(2, "Z");
         l.SetList(5, "Y");
     },
     2,
     {2},
     {"A", "B", "Z", "D", "E", "Y"},
     5},
    {"ClearLeavesNoRowAndNoneCurrent",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(1, true);
         l.Clear();
     },
     -1,
     {},
     {},
     -1},
    {"AddingAfterAClearCountsFromTheFirstRow",
     kSingle,
     [](ListWidget& l) {
         l.SetSelected(1, true);
         l.Clear();
         l.AddItem("X");
     },
     -1,
     {},
     {"X"},
     0},
    {"MarksAreApartFromTheHighlight",
     kCheck,
     [](ListWidget& l) {
         l.SetSelected(0, true);
         l.SetSelected(2, true);
         l.SetSelected(5, true);
         l.SetSelected(5, false);
     },
     -1,
     {0, 2},
     kAtoF,
     5},
    {"TheHighlightLeavesTheMarks",
     kCheck,
     [](ListWidget& l) {
         l.SetSelected(0, true);
         l.SetListIndex(3);
         l.SetSelected(3, false);
     },
     3,
     {0},
     kAtoF,
     5},
    {"RemovingARowTakesItsMarkAlong",
     kCheck,
     [](ListWidget& l) {
         l.SetSelected(1, true);
         l.SetSelected(3, true);
         l.SetListIndex(4);
         l.RemoveItem(1);
     },
     3,
     {2},
     {"A", "C", "D", "E", "F"},
     -1},
    {"AnAddedRowIsUnmarked",
     kCheck,
     [](ListWidget& l) {
         l.SetSelected(5, true);
         l.AddItem("G");
     },
     -1,
     {5},
     {"A", "B", "C", "D", "E", "F", "G"},
     6},
    {"ClearTakesTheMarksAndTheHighlight",
     kCheck,
     [](ListWidget& l) {
         l.SetSelected(0, true);
         l.SetListIndex(0);
         l.Clear();
         l.AddItem("X");
     },
     -1,
     {},
     {"X"},
     0},
};

TEST_P(ListWidgetContract, ChangesOfTheProgram) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.name);
        const std::shared_ptr<ListWidget> list = GetParam().make(c.style);
        for (const std::string& row : kAtoF) {
            list->AddItem(row);
        }
        c.change(*list);
        EXPECT_EQ(list->ListIndex(), c.listIndex);
        EXPECT_EQ(SelectedRows(*list), c.selected);
        EXPECT_EQ(Rows(*list), c.rows);
        EXPECT_EQ(list->NewIndex(), c.newIndex);
    }
}

TEST_P(ListWidgetContract, IndexesOutsideTheListRaise) {
    const std::function<void(ListWidget&)> outside[] = {
        [](ListWidget& l) { l.List(3); },
        [](ListWidget& l) { l.List(-1); },
        [](ListWidget& l) { l.SetList(3, "x"); },
        [](ListWidget& l) { l.Selected(3); },
        [](ListWidget& l) { l.Selected(-1); },
        [](ListWidget& l) { l.SetSelected(-1, true); },
        [](ListWidget& l) { l.SetSelected(3, false); },
        [](ListWidget& l) { l.RemoveItem(3); },
        [](ListWidget& l) { l.SetListIndex(3); },
        [](ListWidget& l) { l.SetListIndex(-2); },
    };
    for (const Style style : {kSingle, kCheck}) {
        const std::shared_ptr<ListWidget> list = GetParam().make(style);
        for (const char* row : {"A", "B", "C"}) {
            list->AddItem(row);
        }
        for (std::size_t i = 0; i < std::size(outside); ++i) {
            EXPECT_THROW(outside[i](*list), WidgetError) << "case " << i;
        }
        EXPECT_NO_THROW(list->SetListIndex(-1));
        EXPECT_EQ(Rows(*list), (std::vector<std::string>{"A", "B", "C"}));
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

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

// One call of the program: Selected(row) set true or false, ListIndex set, RemoveItem, Clear,
// AddItem or SetList (with `text`).
struct Call {
    enum { Select, Unselect, Index, Remove, Clear, Add, Set } what;
    int row = 0;
    const char* text = "";
};

void Make(ListWidget& list, const Call& call) {
    switch (call.what) {
        case Call::Select:
        case Call::Unselect:
            return list.SetSelected(call.row, call.what == Call::Select);
        case Call::Index:
            return list.SetListIndex(call.row);
        case Call::Remove:
            return list.RemoveItem(call.row);
        case Call::Clear:
            return list.Clear();
        case Call::Add:
            return list.AddItem(call.text);
        case Call::Set:
            return list.SetList(call.row, call.text);
    }
}

// What the program does to a list of the rows A to F, and what it reads afterwards.
struct ChangeCase {
    const char* name;
    Style style;
    std::vector<Call> calls;
    int listIndex;
    std::vector<int> selected;
    std::vector<std::string> rows;
    int newIndex;
};

const std::vector<std::string> kAtoF = {"A", "B", "C", "D", "E", "F"};

// One case a line or two, read across.
// clang-format off
const ChangeCase kChanges[] = {
    {"SelectingMakesTheOnlySelectedAndCurrentRow", kSingle,
     {{Call::Select, 1}, {Call::Select, 4}}, 4, {4}, kAtoF, 5},
    {"UnselectingTheSelectedRowLeavesNoneCurrent", kSingle,
     {{Call::Select, 4}, {Call::Unselect, 4}}, -1, {}, kAtoF, 5},
    {"UnselectingAnotherRowKeepsTheCurrentOne", kSingle,
     {{Call::Select, 4}, {Call::Unselect, 2}}, 4, {4}, kAtoF, 5},
    {"ListIndexSelectsItsRow", kSingle, {{Call::Index, 3}}, 3, {3}, kAtoF, 5},
    {"NoListIndexLeavesNoneSelected", kSingle,
     {{Call::Select, 3}, {Call::Index, -1}}, -1, {}, kAtoF, 5},
    {"RemovingTheCurrentRowLeavesNoneCurrent", kSingle,
     {{Call::Select, 2}, {Call::Remove, 2}}, -1, {}, {"A", "B", "D", "E", "F"}, -1},
    {"RemovingARowBeforeTheCurrentOneKeepsItsText", kSingle,
     {{Call::Select, 4}, {Call::Remove, 1}}, 3, {3}, {"A", "C", "D", "E", "F"}, -1},
    {"RemovingARowAfterTheCurrentOneKeepsIt", kSingle,
     {{Call::Select, 1}, {Call::Remove, 4}}, 1, {1}, {"A", "B", "C", "D", "F"}, -1},
    {"ReplacingATextKeepsTheSelection", kSingle,
     {{Call::Select, 2}, {Call::Set, 2, "Z"}, {Call::Set, 5, "Y"}}, 2, {2},
     {"A", "B", "Z", "D", "E", "Y"}, 5},
    {"ClearLeavesNoRowAndNoneCurrent", kSingle,
     {{Call::Select, 1}, {Call::Clear}}, -1, {}, {}, -1},
    {"AddingAfterAClearCountsFromTheFirstRow", kSingle,
     {{Call::Select, 1}, {Call::Clear}, {Call::Add, 0, "X"}}, -1, {}, {"X"}, 0},
    {"MarksAreApartFromTheHighlight", kCheck,
     {{Call::Select, 0}, {Call::Select, 2}, {Call::Select, 5}, {Call::Unselect, 5}}, -1, {0, 2},
     kAtoF, 5},
    {"TheHighlightLeavesTheMarks", kCheck,
     {{Call::Select, 0}, {Call::Index, 3}, {Call::Unselect, 3}}, 3, {0}, kAtoF, 5},
    {"RemovingARowTakesItsMarkAlong", kCheck,
     {{Call::Select, 1}, {Call::Select, 3}, {Call::Index, 4}, {Call::Remove, 1}}, 3, {2},
     {"A", "C", "D", "E", "F"}, -1},
    {"AnAddedRowIsUnmarked", kCheck,
     {{Call::Select, 5}, {Call::Add, 0, "G"}}, -1, {5}, {"A", "B", "C", "D", "E", "F", "G"}, 6},
    {"ClearTakesTheMarksAndTheHighlight", kCheck,
     {{Call::Select, 0}, {Call::Index, 0}, {Call::Clear}, {Call::Add, 0, "X"}}, -1, {}, {"X"}, 0},
};
// clang-format on

TEST_P(ListWidgetContract, ChangesOfTheProgram) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.name);
        const std::shared_ptr<ListWidget> list = GetParam().make(c.style);
        for (const std::string& row : kAtoF) {
            list->AddItem(row);
        }
        for (const Call& call : c.calls) {
            Make(*list, call);
        }
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

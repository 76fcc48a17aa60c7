#include <memory>
#include <string>
#include <vector>

#include "listcontract.h"
#include "tempfolder.h"
#include "typeaheadclock.h"

namespace kelvane::test {

// A test program runs the gestures of the lists it has.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ListGestures);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RefusedFilesTest);

namespace {

using Style = ListRows::Style;
constexpr int kLeft = MouseEvent::LeftButton;

std::unique_ptr<ListHand> Filled(Style style, const std::vector<std::string>& rows) {
    std::unique_ptr<ListHand> hand = testing::TestWithParam<ListHandMaker>::GetParam().make(style);
    for (const std::string& row : rows) {
        hand->List().AddItem(row);
    }
    return hand;
}

// The press makes its row current before the program hears of it, the current row follows the
// pointer while the button is held, and the release is reported with the keys then held.
TEST_P(ListGestures, ThePressPicksItsRowBeforeTheEventAndTheCurrentRowFollowsTheDrag) {
    for (const auto& [from, to] : {std::pair{0, 3}, {3, 0}, {5, 1}, {2, 2}}) {
        SCOPED_TRACE(std::to_string(from) + " to " + std::to_string(to));
        const auto hand = Filled(Style::SingleSelection, {"A", "B", "C", "D", "E", "F"});
        ListWidget& list = hand->List();
        std::vector<int> atDown;
        std::vector<MouseEvent> ups;
        hand->On(Event::MouseDown, [&](const MouseEvent&) { atDown.push_back(list.ListIndex()); });
        hand->On(Event::MouseUp, [&](const MouseEvent& event) {
            ups.push_back(event);
            EXPECT_EQ(list.ListIndex(), to);
        });
        hand->Mouse(ListHand::kDown, from, kLeft);
        for (int row = from; row != to;) {
            row += to > from ? 1 : -1;
            hand->Mouse(ListHand::kMove, row, kLeft);
            EXPECT_EQ(list.ListIndex(), row);
        }
        hand->Mouse(ListHand::kUp, to, kLeft, MouseEvent::ShiftKey);
        EXPECT_EQ(atDown, std::vector<int>{from});
        ASSERT_EQ(ups.size(), 1u);
        EXPECT_EQ(ups[0].button, kLeft);
        EXPECT_EQ(ups[0].shift, MouseEvent::ShiftKey);
        EXPECT_EQ(ups[0].y, hand->Y(to));
        for (int i = 0; i < list.ListCount(); ++i) {
            EXPECT_EQ(list.Selected(i), i == to) << i;
            EXPECT_EQ(list.List(i), std::string(1, static_cast<char>('A' + i)));  // never moved
        }
    }
}

TEST_P(ListGestures, OnlyTheLeftButtonPicksARowAndEveryButtonIsReported) {
    const auto hand = Filled(Style::SingleSelection, {"A", "B", "C", "D", "E", "F"});
    ListWidget& list = hand->List();
    list.SetSelected(2, true);
    std::vector<MouseEvent> downs;
    hand->On(Event::MouseDown, [&](const MouseEvent& event) { downs.push_back(event); });
    hand->Mouse(ListHand::kDown, 5, MouseEvent::RightButton, MouseEvent::CtrlKey);
    hand->Mouse(ListHand::kUp, 5, MouseEvent::RightButton, MouseEvent::CtrlKey);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, MouseEvent::RightButton);
    EXPECT_EQ(downs[0].shift, MouseEvent::CtrlKey);
    EXPECT_EQ(list.ListIndex(), 2);

    hand->Mouse(ListHand::kDown, 2, kLeft, MouseEvent::CtrlKey);  // Ctrl+click on the picked row
    hand->Mouse(ListHand::kUp, 2, kLeft, MouseEvent::CtrlKey);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_TRUE(list.Selected(2));
}

// Taking the focus picks no row in a list that never had a current row, or lost it in a rebuild.
TEST_P(ListGestures, TakingTheFocusPicksNoRow) {
    for (const Style style : {Style::SingleSelection, Style::CheckBox}) {
        for (const bool rebuilt : {false, true}) {
            const auto hand = Filled(style, {"A", "B", "C"});
            if (rebuilt) {
                hand->List().SetListIndex(1);
                hand->List().Clear();
                hand->List().AddItem("X");
            }
            hand->TabIn();
            EXPECT_EQ(hand->List().ListIndex(), -1) << (rebuilt ? "rebuilt" : "never current");
        }
    }
}

// A click on a check box turns its mark over; a click on a row's text only moves the highlight.
// (Whether the box's click moves the highlight too is the toolkit's own: Win32 does, Qt not.)
TEST_P(ListGestures, AClickOnACheckBoxTurnsItsMarkOver) {
    const auto hand = Filled(Style::CheckBox, {"TXT", "SQL", "DAT"});
    ListWidget& list = hand->List();
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    const struct {
        int row;
        bool onBox;
        std::vector<bool> marks;
    } clicks[] = {{1, true, {true, true, true}},
                  {2, true, {true, true, false}},
                  {0, false, {true, true, false}}};
    for (const auto& click : clicks) {
        hand->Mouse(ListHand::kDown, click.row, kLeft, 0, click.onBox);
        hand->Mouse(ListHand::kUp, click.row, kLeft, 0, click.onBox);
        if (!click.onBox) {
            EXPECT_EQ(list.ListIndex(), click.row);
        }
        const std::vector<bool> marks{list.Selected(0), list.Selected(1), list.Selected(2)};
        EXPECT_EQ(marks, click.marks) << "after row " << click.row;
    }
}

// Both styles look for the characters typed in quick succession together; the marks stay. A
// character of any script is looked for whole, also one of two UTF-16 units.
TEST_P(ListGestures, CharactersTypedInQuickSuccessionAreLookedForTogether) {
    TypeAheadClock clock;
    for (const Style style : {Style::SingleSelection, Style::CheckBox}) {
        const auto hand =
            Filled(style, {"plain.txt", "prog.txt", "report.txt", "o.txt", "ő.txt", "😀.txt"});
        clock.Pause();
        hand->Type("pr");
        EXPECT_EQ(hand->List().ListIndex(), 1);
        EXPECT_EQ(hand->List().Selected(1), style == Style::SingleSelection);
        for (const auto& [typed, row] : {std::pair{"pp", 1}, {"ő", 4}, {"😀", 5}}) {
            clock.Pause();
            hand->Type(typed);
            EXPECT_EQ(hand->List().ListIndex(), row) << typed;  // pp: p afresh, then round to prog
        }
    }
}

}  // namespace

const std::vector<GestureCase>& RefusedFileGestures() {
    // The keys held: none, Ctrl or Shift; or instead of the left button the right or the middle.
    constexpr int none = FileListHand::kNone;
    constexpr int ctrl = FileListHand::kCtrl;
    constexpr int shift = FileListHand::kShift;
    constexpr int right = FileListHand::kRight;
    constexpr int middle = FileListHand::kMiddle;
    constexpr int down = FileListHand::kDownKey;
    const auto typed = FileListHand::Typed;
    static const std::vector<GestureCase> gestures = {
        // Ctrl+click on an accepted file, then Shift+click: the earlier picks stay.
        {"CtrlAcceptedThenShift", {{0, none}, {2, ctrl}, {3, ctrl}, {5, shift}}, {0, 2, 3, 4, 5}},
        // The same with a Ctrl+click on the refused file instead: the same earlier picks stay.
        {"CtrlRefusedThenShift", {{0, none}, {2, ctrl}, {1, ctrl}, {5, shift}}, {0, 2, 3, 4, 5}},
        {"CtrlRefusedThenCtrl", {{0, none}, {1, ctrl}, {4, ctrl}}, {0, 4}},
        // A Shift range over the refused file still shrinks and grows from its anchor.
        {"ShiftOverRefusedThenShorter", {{0, none}, {5, shift}, {3, shift}}, {0, 2, 3}},
        {"ShiftOverRefusedThenLonger", {{0, none}, {3, shift}, {6, shift}}, {0, 2, 3, 4, 5, 6}},
        {"RefusedThenShift", {{1, none}, {4, shift}}, {2, 3, 4}},
        {"ArrowKeyThenShift", {{2, none}, {down, none}, {5, shift}}, {3, 4, 5}},
        // Other buttons pick nothing, on picked rows or others, with any key; a Shift+click
        // reaches from the last left click's row.
        {"OtherButtonsPickNothing",
         {{0, none},
          {2, ctrl},
          {4, right},
          {2, right | shift},
          {4, middle | ctrl},
          {2, middle},
          {3, right | ctrl},
          {4, shift}},
         {0, 2, 3, 4}},
        // A typed letter picks the next file starting with it, alone, whether Shift is held or
        // not, and a Shift+click reaches from there; letters typed in quick succession look for
        // a file starting with them all.
        {"ALetterPicksTheNextFile", {{0, none}, {typed('c'), none}}, {2}},
        {"ALetterWithShiftAfterACtrlClick", {{0, none}, {6, ctrl}, {typed('E'), shift}}, {4}},
        {"ShiftClickAfterALetter", {{0, none}, {typed('C'), shift}, {5, shift}}, {2, 3, 4, 5}},
        {"LettersTogether", {{0, none}, {typed('c'), none}, {typed('a'), none}}, {2}},
        {"CtrlOffAfterShiftOverRefused",
         {{0, none}, {4, shift}, {3, ctrl}, {6, shift}},
         {0, 2, 3, 4, 5, 6}},
    };
    return gestures;
}

std::string GestureName(const testing::TestParamInfo<RefusedFilesTest::ParamType>& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

// Each release unselects the refused file, b.exe (row 1), as the merge-list rebuild does. One
// gesture gives one result, whether a refused file was clicked before it or not: the same as if
// the refused file had never been picked.
TEST_P(RefusedFilesTest, AGestureGivesTheSameResultAfterAnUnselect) {
    TempFolder folder;
    for (const char* name : {"a.txt", "b.exe", "c.SQL", "d.txt", "e.txt", "f.txt", "g.txt"}) {
        folder.Write(name, "");
    }
    const std::unique_ptr<FileListHand> hand = std::get<0>(GetParam()).make(folder.Text());
    FileList& files = hand->Files();
    ASSERT_EQ(files.List(1), "b.exe");
    TypeAheadClock clock;  // stopped: the keys of a gesture come in quick succession
    std::size_t releases = 0;
    hand->OnMouseUp([&files, &releases] {
        ++releases;
        if (files.Selected(1)) {
            files.SetSelected(1, false);
        }
    });
    std::size_t clicks = 0;
    for (const auto& [row, keys] : std::get<1>(GetParam()).clicks) {
        hand->Click(row, keys);
        clicks += row < 0 ? 0 : 1;
    }
    EXPECT_EQ(releases, clicks);
    std::vector<int> selected;
    for (int i = 0; i < files.ListCount(); ++i) {
        if (files.Selected(i)) {
            selected.push_back(i);
        }
    }
    EXPECT_EQ(selected, std::get<1>(GetParam()).selected);
}

}  // namespace kelvane::test

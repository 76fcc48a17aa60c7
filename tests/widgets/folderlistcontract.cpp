#include <algorithm>
#include <string>
#include <vector>

#include "listcontract.h"
#include "tempfolder.h"
#include "typeaheadclock.h"
#include "widgets/folderpath.h"
#include "widgets/widgeterror.h"

namespace kelvane::test {

namespace {

// A folder with two subfolders, opened, looked around in, left and opened again, as the program
// and the user's double click do it; what can't be done on the way raises.
TEST_P(FolderListContract, OpeningAFolderRaisesChangeOnlyWhenItIsAnotherOne) {
    TempFolder root;
    root.MakeFolder("beta");
    root.MakeFolder("alpha");
    const FolderListMade made = GetParam().make();
    FolderList& folders = *made.list;
    const int& changes = *made.changes;

    folders.SetPath(root.Text());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(folders.Path(), root.Text());
    ASSERT_EQ(folders.ListCount(), 2);
    EXPECT_EQ(folders.List(0), root.At("alpha"));
    EXPECT_EQ(folders.List(1), root.At("beta"));
    EXPECT_EQ(folders.List(-1), root.Text());
    EXPECT_EQ(folders.ListIndex(), -1) << "the open folder is highlighted";

    folders.SetListIndex(1);  // a click: the highlight moves, nothing opens
    EXPECT_EQ(folders.ListIndex(), 1);
    // What can't be done raises and changes nothing.
    EXPECT_THROW(folders.SetPath(root.At("missing")), WidgetError);
    EXPECT_THROW(folders.SetListIndex(2), WidgetError);
    EXPECT_THROW(folders.List(2), WidgetError);
    EXPECT_EQ(folders.ListIndex(), 1);
    EXPECT_EQ(folders.Path(), root.Text());
    EXPECT_EQ(folders.ListCount(), 2);
    EXPECT_EQ(changes, 1);

    folders.SetPath(root.Text());  // the open folder again: shown afresh, no change
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(folders.ListIndex(), -1);

    folders.SetPath(root.At("beta"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(folders.ListCount(), 0);
    EXPECT_EQ(folders.List(-2), root.Text());
    EXPECT_EQ(folders.ListIndex(), -1);
}

// A click moves the highlight, which shows the folder the merge reads, always: a gesture moves it
// to another row or changes nothing, and never leaves the list with no row drawn highlighted. A
// double click or Enter opens the highlighted folder. Typed characters are looked for among the
// folders' names, not the indented rows drawn. The small pictures make a row no higher than the
// file list's text rows, or where the picture is taller than the text, than the picture's row.
TEST_P(FolderListContract, AClickMovesTheHighlightAndADoubleClickOrEnterOpens) {
    using Made = FolderListMade;
    TempFolder root;
    const std::string open = root.MakeFolder("open");
    root.MakeFolder("open/sub10");
    root.MakeFolder("open/sub2");
    root.Write("open/a.txt", "");
    const Made made = GetParam().make();
    if (!made.act) {
        GTEST_SKIP() << "a double takes no gestures";
    }
    FolderList& folders = *made.list;
    folders.SetPath(open);
    const std::vector<int> heights = made.heights();
    EXPECT_EQ(heights[0], std::max(heights[1], heights[2]));
    TypeAheadClock clock;
    for (const auto& [typed, index] : {std::pair{"s", 0}, {"o", -1}, {"sub1", 1}}) {
        clock.Pause();
        made.type(typed);
        EXPECT_EQ(folders.ListIndex(), index) << typed;
    }
    EXPECT_EQ(*made.changes, 1);
    made.act(Made::kClick, 1);
    made.act(Made::kDoubleClick, 1);
    EXPECT_EQ(folders.Path(), InFolder(open, "sub10"));
    EXPECT_EQ(*made.changes, 2);
    folders.SetListIndex(-2);  // the parent, by the keyboard
    made.act(Made::kEnter, -2);
    EXPECT_EQ(folders.Path(), open);
    const struct {
        Made::Gesture gesture;
        int on;
        int index;  // highlighted afterwards
    } gestures[] = {
        {Made::kClick, 0, 0},     {Made::kCtrlClick, 0, 0},
        {Made::kCtrlSpace, 0, 0}, {Made::kClick, 2, 0},  // below the last row
        {Made::kCtrlDown, 0, 1},  {Made::kCtrlClick, 0, 0},
    };
    for (const auto& g : gestures) {
        SCOPED_TRACE("gesture " + std::to_string(g.gesture) + " on " + std::to_string(g.on));
        made.act(g.gesture, g.on);
        EXPECT_EQ(folders.ListIndex(), g.index);
        EXPECT_EQ(made.drawn(), g.index);
    }
    EXPECT_EQ(folders.Path(), open);
    EXPECT_EQ(*made.changes, 3);
}

}  // namespace
}  // namespace kelvane::test

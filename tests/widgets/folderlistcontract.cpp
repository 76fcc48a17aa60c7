#include <string>

#include "listcontract.h"
#include "tempfolder.h"
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

}  // namespace
}  // namespace kelvane::test

#include "pages/selection/sourceselection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "fakedriverows.h"
#include "fakefilelist.h"
#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "tempfolder.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

using test::FakeDriveRows;
using test::FakeFileList;
using test::FakeFolderList;
using test::FakeListWidget;
using test::TempFolder;
using Names = std::vector<std::string>;

// The words of a text.
Names Split(const std::string& text) {
    std::istringstream words(text);
    return Names(std::istream_iterator<std::string>(words), {});
}

// A type list whose items past the first `readable` can't be read.
class TypeList : public FakeListWidget {
  public:
    using FakeListWidget::FakeListWidget;
    std::string List(int index) const override {
        if (index >= readable) {
            throw WidgetError("unreadable type");
        }
        return FakeListWidget::List(index);
    }
    int readable = 1 << 30;
};

// The "Text Files" page: the three browsing lists chained by their change events, the merge
// list, and the accepted types of the "Options" page, every other one unmarked: the marks play
// no part. The temporary folder stands for the root volume, its subfolder "vol" for a volume
// mounted there, and "no-such-folder" for a drive without a readable medium. The page opens
// "data.txt", a folder whose name has a type.
class Page {
  public:
    explicit Page(const Names& types = {"TXT", "SQL", "DAT"})
        : root(folder.Text()),
          vol(folder.MakeFolder("vol")),
          myDrive({root, vol, folder.At("no-such-folder")}),
          lstFileType(FakeListWidget::Style::CheckBox, types),
          selection(myDrive, myFolders, fileList, lstFileSelect, lstFileType) {
        for (int i = 0; i < lstFileType.ListCount(); ++i) {
            lstFileType.SetSelected(i, i % 2 == 0);
        }
        myFolders.onChange = [this] { selection.myFolders_Change(); };
        myFolders.SetPath(folder.MakeFolder("data.txt"));
    }

    // The user picks a drive in the drive list.
    void PickDrive(const std::string& top) {
        myDrive.SetDrive(top);
        selection.myDrive_Change();
    }

    TempFolder folder;
    std::string root;
    std::string vol;
    FakeDriveRows myDrive;  // volumes mounted at top folders of our own
    FakeFolderList myFolders;
    FakeFileList fileList;
    FakeListWidget lstFileSelect;
    TypeList lstFileType;
    SourceSelection selection;
};

struct FilterCase {
    const char* label;
    std::string files;   // the file list, in its order
    std::string picked;  // what the user selected
    std::string types;
    std::string merge;  // the merge list afterwards, and what stays selected in the file list
};

class FilterTest : public testing::TestWithParam<FilterCase> {};

// Any button, with any keys held, anywhere, starts the rebuild of a merge list that held other
// names, in another order, one of them current.
TEST_P(FilterTest, KeepsTheSelectedFilesOfAnAcceptedType) {
    const FilterCase& c = GetParam();
    Page page(Split(c.types));
    page.fileList.SetNames(Split(c.files));
    for (const int button :
         {MouseEvent::RightButton, MouseEvent::MiddleButton, MouseEvent::LeftButton}) {
        SCOPED_TRACE(button);
        page.lstFileSelect.Clear();
        const Names merge = Split(c.merge);
        for (auto name = merge.rbegin(); name != merge.rend(); ++name) {
            page.lstFileSelect.AddItem(*name);
        }
        page.lstFileSelect.AddItem("old.txt");
        page.lstFileSelect.SetSelected(0, true);
        page.fileList.Pick(Split(c.picked));
        page.selection.fileList_MouseUp(
            MouseEvent{button, MouseEvent::ShiftKey | MouseEvent::CtrlKey, -40, 9999});
        EXPECT_EQ(page.lstFileSelect.Items(), merge);
        EXPECT_EQ(page.fileList.SelectedNames(), merge);
        EXPECT_EQ(page.lstFileSelect.ListIndex(), -1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Picks, FilterTest,
    testing::Values(
        FilterCase{"MixedTypesKeepFileListOrder", "a.txt b.exe c.SQL d.dat",
                   "d.dat c.SQL b.exe a.txt", "TXT SQL DAT", "a.txt c.SQL d.dat"},
        FilterCase{"UnselectedFilesAreLeftAlone", "a.txt b.exe c.sql d.dat", "c.sql", "TXT SQL DAT",
                   "c.sql"},
        FilterCase{"OnlyTheLastExtensionOfTheNameCounts",
                   "backup.tar.gz notes.TXT.bak README TXT name. z.txt",
                   "backup.tar.gz notes.TXT.bak README TXT name. z.txt", "TXT SQL DAT", "z.txt"},
        FilterCase{"GzInAnyCaseAcceptsTarGz", "backup.tar.gz other.GZ x.tar",
                   "backup.tar.gz other.GZ x.tar", "TAR gZ", "backup.tar.gz other.GZ x.tar"},
        FilterCase{"EmptyTypeListRefusesEverything", "a.txt b.sql", "a.txt b.sql", "", ""},
        FilterCase{"TypeCaseIgnoredOnBothSides", "Report.Txt x.tXt", "Report.Txt x.tXt", "txt",
                   "Report.Txt x.tXt"},
        FilterCase{"NamesThatAreNotValidTextKeepTheirBytes", "caf\xe9.txt \xff\xfe.exe",
                   "caf\xe9.txt \xff\xfe.exe", "TXT", "caf\xe9.txt"},
        FilterCase{"NothingSelectedEmptiesTheMergeList", "a.txt", "", "TXT", ""}),
    [](const testing::TestParamInfo<FilterCase>& param) { return param.param.label; });

TEST(SourceSelection, AReleaseOnAnEmptyFileListKeepsTheOldMergeList) {
    Page page;
    page.lstFileSelect.AddItem("a.txt");
    page.lstFileSelect.AddItem("b.sql");
    page.lstFileSelect.SetSelected(1, true);
    page.selection.fileList_MouseUp(MouseEvent{});  // in an empty folder
    EXPECT_EQ(page.lstFileSelect.Items(), (Names{"a.txt", "b.sql"}));
    EXPECT_EQ(page.lstFileSelect.ListIndex(), 1);
}

TEST(SourceSelection, ATypeThatCantBeReadEndsTheTestWithWhatWasFound) {
    Page page;
    page.lstFileType.readable = 1;
    page.fileList.SetNames({"a.sql", "b.txt"});
    page.fileList.Pick({"a.sql", "b.txt"});
    page.selection.fileList_MouseUp(MouseEvent{});
    EXPECT_EQ(page.lstFileSelect.Items(), Names{"b.txt"});
    EXPECT_EQ(page.fileList.SelectedNames(), Names{"b.txt"});
}

TEST(SourceSelection, ListsPastThe16BitIndexRangeAreWalkedToTheEnd) {
    Page page;
    Names files;
    for (int i = 0; i < 40000; ++i) {
        files.push_back("f" + std::to_string(i) + (i % 2 == 0 ? ".txt" : ".bin"));
    }
    page.fileList.SetNames(files);
    for (int i = 0; i < page.fileList.ListCount(); ++i) {
        page.fileList.SetSelected(i, true);
    }
    page.selection.fileList_MouseUp(MouseEvent{});
    ASSERT_EQ(page.lstFileSelect.ListCount(), 20000);
    EXPECT_EQ(page.lstFileSelect.List(19999), "f39998.txt");
    EXPECT_FALSE(page.fileList.Selected(39999));
    EXPECT_TRUE(page.fileList.Selected(39998));
}

TEST(SourceSelection, FailingDriveAndFolderChangesLeaveTheListsSilently) {
    Page page;
    page.folder.Write("a.txt", "1");
    page.myFolders.SetPath(page.root);  // the file list shows a.txt
    page.lstFileSelect.AddItem("kept.sql");

    EXPECT_NO_THROW(page.PickDrive(page.folder.At("no-such-folder")));
    EXPECT_EQ(page.myDrive.Drive(), page.folder.At("no-such-folder"));
    EXPECT_EQ(page.myFolders.Path(), page.root);
    EXPECT_EQ(page.fileList.Path(), page.root);

    // The open folder goes away before the file list can show it; the drive still follows it.
    const std::string gone = page.folder.MakeFolder("vol/gone");
    page.myFolders.onChange = nullptr;
    page.myFolders.SetPath(gone);
    std::filesystem::remove(gone);
    EXPECT_NO_THROW(page.selection.myFolders_Change());
    EXPECT_EQ(page.fileList.Path(), page.root);
    ASSERT_EQ(page.fileList.ListCount(), 1);
    EXPECT_EQ(page.fileList.List(0), "a.txt");
    EXPECT_EQ(page.myDrive.Drive(), page.vol);

    // A folder on no listed volume leaves the drive list as it was, and the file list moves.
    TempFolder outside;
    outside.Write("b.sql", "");
    page.myFolders.SetPath(outside.Text());
    EXPECT_NO_THROW(page.selection.myFolders_Change());
    EXPECT_EQ(page.fileList.Path(), outside.Text());
    EXPECT_EQ(page.myDrive.Drive(), page.vol);
    EXPECT_EQ(page.lstFileSelect.Items(), Names{"kept.sql"});
}

// The folder list carries the file list, and the drive list names the volume of the open folder;
// the merge list stays as it is.
TEST(SourceSelection, FolderChangesCarryTheFileListAndTheDriveList) {
    Page page;
    page.folder.Write("a.txt", "1");
    const std::string sub =
        std::filesystem::path(page.folder.MakeFolder("vol/sub")).make_preferred().string();
    page.lstFileSelect.AddItem("kept.sql");

    page.PickDrive(page.vol);  // another folder than the open one: the folder list opens it
    EXPECT_EQ(page.myFolders.Path(), page.vol);
    EXPECT_EQ(page.myDrive.Drive(), page.vol);

    page.myFolders.SetPath(sub);  // down into the volume
    EXPECT_EQ(page.fileList.Path(), sub);
    EXPECT_EQ(page.fileList.ListCount(), 0);
    EXPECT_EQ(page.myDrive.Drive(), page.vol);

    page.myFolders.SetPath(page.root);  // up above the volume's top folder
    EXPECT_EQ(page.fileList.Path(), page.root);
    ASSERT_EQ(page.fileList.ListCount(), 1);
    EXPECT_EQ(page.fileList.List(0), "a.txt");
    EXPECT_EQ(page.myDrive.Drive(), page.root);

    page.PickDrive(page.vol);  // so picking the volume again is a move back to it
    EXPECT_EQ(page.myFolders.Path(), page.vol);
    EXPECT_EQ(page.fileList.Path(), page.vol);
    EXPECT_EQ(page.myDrive.Drive(), page.vol);
    EXPECT_EQ(page.lstFileSelect.Items(), Names{"kept.sql"});
}

}  // namespace
}  // namespace kelvane

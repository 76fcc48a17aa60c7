#include "pages/selection/sourceselection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/pathname.h"
#include "fakedrivelist.h"
#include "fakefilelist.h"
#include "fakefolderlist.h"
#include "fakelistwidget.h"
#include "tempfolder.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

using test::FakeDriveList;
using test::FakeFileList;
using test::FakeFolderList;
using test::FakeListWidget;
using test::TempFolder;
using Names = std::vector<std::string>;

const Names kStartTypes = {"TXT", "SQL", "DAT"};

// The "Text Files" page: the three browsing lists chained by their change events, the merge
// list, and the accepted types of the "Options" page.
class Page {
  public:
    explicit Page(const Names& types = kStartTypes, bool marked = true)
        : lstFileType(FakeListWidget::Style::CheckBox),
          selection(myDrive, myFolders, fileList, lstFileSelect, lstFileType) {
        for (const auto& type : types) {
            lstFileType.AddItem(type);
            lstFileType.SetSelected(lstFileType.NewIndex(), marked);
        }
        myFolders.onChange = [this] { selection.myFolders_Change(); };
        myFolders.SetPath(folder.Text());
    }

    // The user selects these names and releases the button over the file list.
    void PickAndRelease(const Names& picked, int button = MouseEvent::LeftButton) {
        fileList.Pick(picked);
        selection.fileList_MouseUp(MouseEvent{button});
    }

    TempFolder folder;
    FakeDriveList myDrive;
    FakeFolderList myFolders;
    FakeFileList fileList;
    FakeListWidget lstFileSelect;
    FakeListWidget lstFileType;
    SourceSelection selection;
};

struct FilterCase {
    const char* label;
    Names files;   // the file list, in its order
    Names picked;  // what the user selected
    Names types;
    bool typesMarked;
    Names merge;     // the merge list afterwards
    Names selected;  // what stays selected in the file list
};

class FilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterTest, KeepsTheSelectedFilesOfAnAcceptedType) {
    const FilterCase& c = GetParam();
    Page page(c.types, c.typesMarked);
    page.fileList.SetNames(c.files);
    page.lstFileSelect.AddItem("old.txt");
    page.PickAndRelease(c.picked);
    EXPECT_EQ(page.lstFileSelect.Items(), c.merge);
    EXPECT_EQ(page.fileList.SelectedNames(), c.selected);
    EXPECT_EQ(page.lstFileSelect.ListIndex(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Picks, FilterTest,
    testing::Values(
        FilterCase{"MixedTypesKeepFileListOrder",
                   {"a.txt", "b.exe", "c.SQL"},
                   {"c.SQL", "b.exe", "a.txt"},
                   kStartTypes,
                   true,
                   {"a.txt", "c.SQL"},
                   {"a.txt", "c.SQL"}},
        FilterCase{"UnselectedFilesAreLeftAlone",
                   {"a.txt", "b.exe", "c.sql", "d.dat"},
                   {"c.sql"},
                   kStartTypes,
                   true,
                   {"c.sql"},
                   {"c.sql"}},
        FilterCase{"OnlyTheLastExtensionCounts",
                   {"backup.tar.gz", "notes.TXT.bak"},
                   {"backup.tar.gz", "notes.TXT.bak"},
                   kStartTypes,
                   true,
                   {},
                   {}},
        FilterCase{"GzInAnyCaseAcceptsTarGz",
                   {"backup.tar.gz", "other.GZ", "x.tar"},
                   {"backup.tar.gz", "other.GZ", "x.tar"},
                   {"TAR", "gZ"},
                   true,
                   {"backup.tar.gz", "other.GZ", "x.tar"},
                   {"backup.tar.gz", "other.GZ", "x.tar"}},
        FilterCase{"NameWithoutDotNeverPasses",
                   {"README", "TXT", "name.", "z.txt"},
                   {"README", "TXT", "name.", "z.txt"},
                   kStartTypes,
                   true,
                   {"z.txt"},
                   {"z.txt"}},
        FilterCase{"EmptyTypeListRefusesEverything",
                   {"a.txt", "b.sql"},
                   {"a.txt", "b.sql"},
                   {},
                   true,
                   {},
                   {}},
        FilterCase{"CheckMarksPlayNoPart",
                   {"a.txt", "b.dat", "c.log"},
                   {"a.txt", "b.dat", "c.log"},
                   kStartTypes,
                   false,
                   {"a.txt", "b.dat"},
                   {"a.txt", "b.dat"}},
        FilterCase{"TypeCaseIgnoredOnBothSides",
                   {"Report.Txt", "x.tXt"},
                   {"Report.Txt", "x.tXt"},
                   {"txt"},
                   true,
                   {"Report.Txt", "x.tXt"},
                   {"Report.Txt", "x.tXt"}},
        FilterCase{"NamesThatAreNotValidTextKeepTheirBytes",
                   {"caf\xe9.txt", "\xff\xfe.exe"},
                   {"caf\xe9.txt", "\xff\xfe.exe"},
                   kStartTypes,
                   true,
                   {"caf\xe9.txt"},
                   {"caf\xe9.txt"}},
        FilterCase{"NothingSelectedEmptiesTheMergeList", {"a.txt"}, {}, kStartTypes, true, {}, {}}),
    [](const testing::TestParamInfo<FilterCase>& param) { return param.param.label; });

TEST(SourceSelection, AnyButtonAndAnyKeysStartTheRebuild) {
    for (const int button :
         {MouseEvent::LeftButton, MouseEvent::RightButton, MouseEvent::MiddleButton}) {
        Page page;
        page.fileList.SetNames({"a.txt", "b.exe"});
        page.fileList.Pick({"a.txt", "b.exe"});
        page.selection.fileList_MouseUp(
            MouseEvent{button, MouseEvent::ShiftKey | MouseEvent::CtrlKey, -40, 9999});
        EXPECT_EQ(page.lstFileSelect.Items(), Names{"a.txt"}) << "button " << button;
        EXPECT_EQ(page.fileList.SelectedNames(), Names{"a.txt"}) << "button " << button;
    }
}

TEST(SourceSelection, AReleaseOnAnEmptyFileListKeepsTheOldMergeList) {
    Page page;
    page.fileList.SetNames({"a.txt", "b.sql"});
    page.PickAndRelease({"a.txt", "b.sql"});
    page.lstFileSelect.SetSelected(1, true);

    page.fileList.SetNames({});  // an empty folder
    page.PickAndRelease({});
    EXPECT_EQ(page.lstFileSelect.Items(), (Names{"a.txt", "b.sql"}));
    EXPECT_EQ(page.lstFileSelect.ListIndex(), 1);
}

TEST(SourceSelection, ARebuildForgetsTheOrderAndTheCurrentRow) {
    Page page;
    page.fileList.SetNames({"part2.txt", "part10.txt"});
    page.PickAndRelease({"part2.txt", "part10.txt"});
    page.lstFileSelect.SetList(0, "part10.txt");  // the user reordered the merge list
    page.lstFileSelect.SetList(1, "part2.txt");
    page.lstFileSelect.SetSelected(0, true);

    page.selection.fileList_MouseUp(MouseEvent{});
    EXPECT_EQ(page.lstFileSelect.Items(), (Names{"part2.txt", "part10.txt"}));
    EXPECT_EQ(page.lstFileSelect.ListIndex(), -1);
}

TEST(SourceSelection, FolderChangesCarryTheFileListAndLeaveTheMergeList) {
    Page page;
    page.folder.Write("a.txt", "1");
    const std::string sub = page.folder.MakeFolder("sub");
    page.lstFileSelect.AddItem("kept.sql");

    page.myFolders.SetPath(sub);
    EXPECT_EQ(page.fileList.Path(), sub);
    EXPECT_EQ(page.fileList.ListCount(), 0);

    // The drive's folder is another one than the open folder: opening it moves the file list.
    page.myDrive.SetDrive(page.folder.Text());
    page.selection.myDrive_Change();
    EXPECT_EQ(page.myFolders.Path(), page.folder.Text());
    EXPECT_EQ(page.fileList.Path(), page.folder.Text());
    EXPECT_EQ(page.fileList.SelectedNames(), Names{});
    ASSERT_EQ(page.fileList.ListCount(), 1);
    EXPECT_EQ(page.fileList.List(0), "a.txt");
    EXPECT_EQ(page.lstFileSelect.Items(), Names{"kept.sql"});
}

TEST(SourceSelection, FailingDriveAndFolderChangesLeaveTheListsSilently) {
    Page page;
    page.folder.Write("a.txt", "1");
    page.selection.myFolders_Change();  // the file list shows a.txt
    page.lstFileSelect.AddItem("kept.sql");
    const std::string missing = page.folder.At("no-such-folder");

    page.myDrive.SetDrive(missing);  // a drive without a readable medium
    EXPECT_NO_THROW(page.selection.myDrive_Change());
    EXPECT_EQ(page.myDrive.Drive(), missing);
    EXPECT_EQ(page.myFolders.Path(), page.folder.Text());
    EXPECT_EQ(page.fileList.Path(), page.folder.Text());
    EXPECT_EQ(page.fileList.ListCount(), 1);

    // The open folder goes away before the file list can show it.
    const std::string gone = page.folder.MakeFolder("gone");
    page.myFolders.onChange = nullptr;
    page.myFolders.SetPath(gone);
    std::filesystem::remove(gone);
    EXPECT_NO_THROW(page.selection.myFolders_Change());
    EXPECT_EQ(page.fileList.Path(), page.folder.Text());
    ASSERT_EQ(page.fileList.ListCount(), 1);
    EXPECT_EQ(page.fileList.List(0), "a.txt");
    EXPECT_EQ(page.lstFileSelect.Items(), Names{"kept.sql"});
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

struct TypeTestCase {
    std::string sPath;
    std::string sfile;
    bool valid;
};

class TypeTest : public testing::TestWithParam<TypeTestCase> {};

TEST_P(TypeTest, OnlyTheExtensionOfTheNameCounts) {
    Page page;
    // '|' stands for the platform's folder separator.
    const std::string sPath = [&] {
        std::string text = GetParam().sPath;
        for (char& c : text) {
            c = c == '|' ? kFolderSeparator : c;
        }
        return text;
    }();
    EXPECT_EQ(page.selection.bIsValidFileType(sPath, GetParam().sfile), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Folders, TypeTest,
                         testing::Values(TypeTestCase{"", "a.txt", true},
                                         TypeTestCase{"   ", "a.Sql", true},
                                         TypeTestCase{"  |data.txt|  ", "README", false},
                                         TypeTestCase{"|data.txt", "", false},
                                         TypeTestCase{"|data|", "b.dat", true},
                                         TypeTestCase{"|data", "b.exe", false}));

// A type list whose items past the first `readable` can't be read.
class BrokenTypes : public FakeListWidget {
  public:
    BrokenTypes(const Names& types, int readable)
        : FakeListWidget(Style::CheckBox, types), readable_(readable) {}
    std::string List(int index) const override {
        if (index >= readable_) {
            throw WidgetError("unreadable type");
        }
        return FakeListWidget::List(index);
    }

  private:
    int readable_;
};

TEST(SourceSelection, ATypeThatCantBeReadEndsTheTestWithWhatWasFound) {
    FakeDriveList drive;
    FakeFolderList folders;
    FakeFileList files;
    FakeListWidget merge;
    BrokenTypes types({"TXT", "SQL", "DAT"}, 1);
    SourceSelection selection(drive, folders, files, merge, types);
    EXPECT_TRUE(selection.bIsValidFileType("", "a.txt"));
    EXPECT_FALSE(selection.bIsValidFileType("", "a.sql"));

    TempFolder folder;
    folders.SetPath(folder.Text());
    files.SetNames({"a.sql", "b.txt"});
    files.Pick({"a.sql", "b.txt"});
    selection.fileList_MouseUp(MouseEvent{});
    EXPECT_EQ(merge.Items(), Names{"b.txt"});
    EXPECT_EQ(files.SelectedNames(), Names{"b.txt"});
}

// Volumes mounted at top folders, as a drive list knows them: SetDrive chooses the volume that
// holds a path (the one with the longest top), and raises no change.
class VolumeList : public DriveList {
  public:
    explicit VolumeList(Names tops) : tops_(std::move(tops)) {}
    std::string Drive() const override { return drive_; }
    void SetDrive(const std::string& path) override {
        std::string holder;
        for (const auto& top : tops_) {
            const auto separator = [](char c) { return c == '/' || c == kFolderSeparator; };
            const bool holds =
                path.rfind(top, 0) == 0 &&
                (path.size() == top.size() || separator(top.back()) || separator(path[top.size()]));
            if (holds && top.size() > holder.size()) {
                holder = top;
            }
        }
        if (holder.empty()) {
            throw WidgetError("no volume holds " + path);
        }
        drive_ = holder;
    }

  private:
    Names tops_;
    std::string drive_;
};

// The browsing lists chained by their change events, over volumes of our own: the temporary
// folder stands for the root volume, and its subfolder "vol" for a volume mounted there.
class VolumePage {
  public:
    VolumePage()
        : root(folder.Text()),
          vol(folder.MakeFolder("vol")),
          myDrive({root, vol}),
          lstFileType(FakeListWidget::Style::CheckBox, kStartTypes),
          selection(myDrive, myFolders, fileList, lstFileSelect, lstFileType) {
        myFolders.onChange = [this] { selection.myFolders_Change(); };
    }

    // The user picks a drive in the drive list.
    void PickDrive(const std::string& top) {
        myDrive.SetDrive(top);
        selection.myDrive_Change();
    }

    TempFolder folder;
    std::string root;
    std::string vol;
    VolumeList myDrive;
    FakeFolderList myFolders;
    FakeFileList fileList;
    FakeListWidget lstFileSelect;
    FakeListWidget lstFileType;
    SourceSelection selection;
};

TEST(SourceSelection, TheDriveListNamesTheVolumeOfTheOpenFolder) {
    VolumePage page;
    const std::string sub = page.folder.MakeFolder("vol/sub");
    page.folder.MakeFolder("elsewhere");

    page.PickDrive(page.vol);
    EXPECT_EQ(page.myFolders.Path(), page.vol);
    EXPECT_EQ(page.myDrive.Drive(), page.vol);

    page.myFolders.SetPath(sub);  // down into the volume
    EXPECT_EQ(page.myDrive.Drive(), page.vol);

    page.myFolders.SetPath(page.root);  // up above the volume's top folder
    EXPECT_EQ(page.fileList.Path(), page.root);
    EXPECT_EQ(page.myDrive.Drive(), page.root);

    page.PickDrive(page.vol);  // so picking the volume again is a move back to it
    EXPECT_EQ(page.myFolders.Path(), page.vol);
    EXPECT_EQ(page.fileList.Path(), page.vol);
    EXPECT_EQ(page.myDrive.Drive(), page.vol);
}

TEST(SourceSelection, TheDriveFollowsTheOpenFolderEvenWhenTheFileListCanNot) {
    VolumePage page;
    page.folder.Write("a.txt", "");
    page.PickDrive(page.root);
    ASSERT_EQ(page.fileList.ListCount(), 1);

    // The folder goes away between its opening and the file list's move.
    const std::string gone = page.folder.MakeFolder("vol/gone");
    page.myFolders.onChange = nullptr;
    page.myFolders.SetPath(gone);
    std::filesystem::remove(gone);
    EXPECT_NO_THROW(page.selection.myFolders_Change());
    EXPECT_EQ(page.fileList.Path(), page.root);
    EXPECT_EQ(page.myDrive.Drive(), page.vol);

    // A folder on no listed volume leaves the drive list as it was, and the file list moves.
    TempFolder outside;
    outside.Write("b.sql", "");
    page.myFolders.SetPath(outside.Text());
    EXPECT_NO_THROW(page.selection.myFolders_Change());
    EXPECT_EQ(page.fileList.Path(), outside.Text());
    EXPECT_EQ(page.myDrive.Drive(), page.vol);
}

}  // namespace
}  // namespace kelvane

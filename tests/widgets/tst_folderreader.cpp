#include "widgets/folderreader.h"

#include <gtest/gtest.h>

#include "tempfolder.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

TEST(FolderReader, ListsFilesAndSubfoldersButNotHiddenOnes) {
    test::TempFolder folder;
    folder.Write("a.txt", "a");
    folder.Write(".hidden.txt", "h");
    folder.MakeFolder("sub");
    folder.MakeFolder(".git");

    FolderContents contents = ReadFolder(folder.Text());
    EXPECT_EQ(contents.files, std::vector<std::string>{"a.txt"});
    EXPECT_EQ(contents.subfolders, std::vector<std::string>{"sub"});
}

TEST(FolderReader, RaisesForAFolderItCantList) {
    test::TempFolder folder;
    EXPECT_THROW(ReadFolder(folder.At("missing")), WidgetError);
    EXPECT_THROW(ReadFolder(folder.Write("file.txt", "")), WidgetError);
}

}  // namespace
}  // namespace kelvane

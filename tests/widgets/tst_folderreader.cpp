#include "widgets/folderreader.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(FolderReader, KeepsTheExactBytesOfANameThatIsNotValidText) {
    test::TempFolder folder;
    const std::string raw = "caf\xE9.txt";  // Latin-1 e-acute: not valid UTF-8
    folder.Write(raw, "x");
    EXPECT_EQ(ReadFolder(folder.Text()).files, std::vector<std::string>{raw});
}

TEST(FolderReader, RaisesForAFolderItCantList) {
    test::TempFolder folder;
    EXPECT_THROW(ReadFolder(folder.At("missing")), WidgetError);
    EXPECT_THROW(ReadFolder(folder.Write("file.txt", "")), WidgetError);
}

}  // namespace
}  // namespace kelvane

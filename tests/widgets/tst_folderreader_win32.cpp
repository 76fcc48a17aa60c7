// Reading a folder on Windows: hidden and system entries are left out by their attributes, and
// every name comes back exactly, in UTF-8.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tempfolder.h"
#include "widgets/folderreader.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

void SetAttributes(const std::string& path, DWORD attributes) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
    ASSERT_EQ(GetFileAttributesA(path.c_str()) & attributes, attributes)
        << path
        << ": the file system keeps no such attributes (under wine: no extended attributes)";
}

TEST(FolderReaderWin32, LeavesOutHiddenAndSystemEntries) {
    test::TempFolder folder;
    folder.Write("a.txt", "a");
    folder.Write("read-only.txt", "r");
    SetAttributes(folder.At("read-only.txt"), FILE_ATTRIBUTE_READONLY);
    SetAttributes(folder.Write("hidden.txt", "h"), FILE_ATTRIBUTE_HIDDEN);
    SetAttributes(folder.Write("system.txt", "s"), FILE_ATTRIBUTE_SYSTEM);
    folder.MakeFolder("sub");
    SetAttributes(folder.MakeFolder("hidden folder"), FILE_ATTRIBUTE_HIDDEN);
    SetAttributes(folder.MakeFolder("system folder"), FILE_ATTRIBUTE_SYSTEM);

    const FolderContents contents = ReadFolder(folder.Text());
    EXPECT_EQ(Sorted(contents.files), (std::vector<std::string>{"a.txt", "read-only.txt"}));
    EXPECT_EQ(contents.subfolders, std::vector<std::string>{"sub"});
    SetFileAttributesA(folder.At("read-only.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Look-alikes, scripts outside the ANSI code page, a character beyond 16 bits; a folder so named
// read too, given with its closing backslash.
TEST(FolderReaderWin32, ReadsEveryNameExactly) {
    test::TempFolder folder;
    const std::vector<std::string> files{"ő.txt",    "o.txt",    "Ωmega.txt", "café.txt",
                                         "日本.txt", "中文.txt", "😀.txt"};
    const std::vector<std::string> subfolders{"Ωmega 日本 ő", "Données", "中文"};
    for (const std::string& name : files) {
        std::ofstream(folder.Path() / test::Utf8Path(name)) << name;
    }
    for (const std::string& name : subfolders) {
        std::filesystem::create_directory(folder.Path() / test::Utf8Path(name));
    }
    std::ofstream(folder.Path() / test::Utf8Path("Ωmega 日本 ő/ő.txt")) << "inside";

    const FolderContents contents = ReadFolder(folder.Text());
    EXPECT_EQ(Sorted(contents.files), Sorted(files));
    EXPECT_EQ(Sorted(contents.subfolders), Sorted(subfolders));
    EXPECT_EQ(ReadFolder(folder.Text() + "\\Ωmega 日本 ő\\").files,
              std::vector<std::string>{"ő.txt"});
}

// Bytes that aren't exactly UTF-8 name no folder: the nearest name that they would become is
// never read in its place.
TEST(FolderReaderWin32, RaisesForANameThatIsNotValidText) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.Path() / test::Utf8Path("Caf\uFFFD"));
    EXPECT_THROW(ReadFolder(folder.Text() + "\\Caf\xE9"), WidgetError);
}

}  // namespace
}  // namespace kelvane

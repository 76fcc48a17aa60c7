// Reading a folder on Windows: hidden and system entries are left out by their attributes, and
// names in the ANSI code page come back byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
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

TEST(FolderReaderWin32, ReadsAFolderGivenWithOrWithoutTheClosingBackslash) {
    test::TempFolder folder;
    folder.Write("a.txt", "a");
    EXPECT_EQ(ReadFolder(folder.Text()).files, std::vector<std::string>{"a.txt"});
    EXPECT_EQ(ReadFolder(folder.Text() + "\\").files, std::vector<std::string>{"a.txt"});
}

TEST(FolderReaderWin32, ReadsADriveRoot) {
    char windows[MAX_PATH] = {};
    ASSERT_NE(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    const std::string root = std::string(windows, 3);  // "C:\"
    const FolderContents contents = ReadFolder(root);
    const std::string folder(windows + 3);
    EXPECT_TRUE(std::any_of(contents.subfolders.begin(), contents.subfolders.end(),
                            [&folder](const std::string& name) {
                                return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE,
                                                      name.c_str(), -1, folder.c_str(),
                                                      -1) == CSTR_EQUAL;
                            }))
        << "the Windows folder " << folder << " in " << root;
}

TEST(FolderReaderWin32, KeepsAnsiNamesByteForByte) {
    if (GetACP() == CP_UTF8 || IsDBCSLeadByte(0xE9)) {
        GTEST_SKIP() << "the ANSI code page here has no single-byte 0xE9";
    }
    test::TempFolder folder;
    const std::string name = "caf\xE9.txt";
    const HANDLE file = CreateFileA((folder.Text() + "\\" + name).c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    ASSERT_TRUE(CreateDirectoryA((folder.Text() + "\\Donn\xE9"
                                                  "es")
                                     .c_str(),
                                 nullptr));

    const FolderContents contents = ReadFolder(folder.Text());
    EXPECT_EQ(contents.files, std::vector<std::string>{name});
    EXPECT_EQ(contents.subfolders, std::vector<std::string>{"Donn\xE9"
                                                            "es"});
}

}  // namespace
}  // namespace kelvane

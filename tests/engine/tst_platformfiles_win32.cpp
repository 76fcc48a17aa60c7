// The Win32 file API: what is a file, what is the same file under Windows' other spellings of a
// path, names of every script, and files that another program holds locked.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/fileerror.h"
#include "engine/platformfiles.h"
#include "tempfolder.h"
#include "win32files.h"

namespace kelvane {
namespace {

using test::TempFolder;

struct ExistsCase {
    const char* name;
    std::string (*path)(const TempFolder&);
    bool exists;
};

class IsFileWin32 : public ::testing::TestWithParam<ExistsCase> {};

TEST_P(IsFileWin32, IsTrueForFilesOnly) {
    TempFolder dir;
    const std::string path = GetParam().path(dir);
    EXPECT_EQ(NativeFiles().IsFile(path), GetParam().exists) << path;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can go
}

std::string WithAttributes(const TempFolder& dir, const std::string& name, DWORD attributes) {
    const std::string path = dir.Write(name, "x");
    if (!SetFileAttributesA(path.c_str(), attributes) ||
        (GetFileAttributesA(path.c_str()) & attributes) != attributes) {
        // Under wine, a file system without extended attributes can't keep them.
        throw std::runtime_error("can't set the attributes of " + path);
    }
    return path;
}

const ExistsCase kExistsCases[] = {
    {"File", [](const TempFolder& d) { return d.Write("a.txt", "x"); }, true},
    {"EmptyFile", [](const TempFolder& d) { return d.Write("a.txt", ""); }, true},
    {"OtherCase",
     [](const TempFolder& d) {
         d.Write("a.txt", "x");
         return d.At("A.TXT");
     },
     true},
    {"ForwardSlashes",
     [](const TempFolder& d) {
         d.Write("a.txt", "x");
         return d.Text() + "/a.txt";
     },
     true},
    {"HiddenFile",
     [](const TempFolder& d) { return WithAttributes(d, "h.txt", FILE_ATTRIBUTE_HIDDEN); }, true},
    {"ReadOnlyFile",
     [](const TempFolder& d) { return WithAttributes(d, "r.txt", FILE_ATTRIBUTE_READONLY); }, true},
    {"Folder", [](const TempFolder& d) { return d.MakeFolder("sub.txt"); }, false},
    {"DriveRoot", [](const TempFolder&) { return std::string("C:\\"); }, false},
    {"Missing", [](const TempFolder& d) { return d.At("missing.txt"); }, false},
    {"InAMissingFolder", [](const TempFolder& d) { return d.At("none\\a.txt"); }, false},
    {"Empty", [](const TempFolder&) { return std::string(); }, false},
};

INSTANTIATE_TEST_SUITE_P(Paths, IsFileWin32, ::testing::ValuesIn(kExistsCases),
                         [](const auto& test) { return std::string(test.param.name); });

// All the bytes left in the file.
std::string ReadAll(PlatformFile& file) {
    std::string bytes;
    char buffer[64];
    while (const std::size_t got = file.Read(buffer, sizeof buffer)) {
        bytes.append(buffer, got);
    }
    return bytes;
}

TEST(Win32Files, LookUpFindsTheSameFileUnderEveryWindowsSpelling) {
    TempFolder dir;
    PlatformFiles& files = NativeFiles();
    const std::string file = dir.Write("data.txt", "x");
    const auto found = files.LookUp(file);
    ASSERT_TRUE(found.has_value() && !found->folder && found->identity.has_value());

    char shortName[MAX_PATH] = {};
    const DWORD shortLength = GetShortPathNameA(file.c_str(), shortName, MAX_PATH);
    ASSERT_TRUE(CreateHardLinkA(dir.At("hard.txt").c_str(), file.c_str(), nullptr));
    for (const std::string& other :
         {dir.At("DATA.TXT"), dir.Text() + "/data.txt", dir.Text() + "\\.\\sub\\..\\data.txt",
          std::string(shortName, shortLength), dir.At("hard.txt")}) {
        EXPECT_EQ(files.LookUp(other), found) << other;
    }
    EXPECT_NE(files.LookUp(dir.Write("other.txt", "x")), found);
    EXPECT_FALSE(files.LookUp(dir.At("missing.txt")).has_value());
}

// Only "nothing is there" is an answer. A name that isn't exactly UTF-8, here the ANSI code
// page's spelling of a file that is there, can't be given to Windows unchanged, and that fails:
// changed, it could reach another file.
TEST(Win32Files, LookingUpFailsWhereAFileMayBeThere) {
    TempFolder dir;
    PlatformFiles& files = NativeFiles();
    const std::string file = dir.Write("a.txt", "x");
    for (const std::string& missing :
         {dir.At("none.txt"), dir.At("none\\a.txt"), file + "\\a", dir.At("a?.txt")}) {
        EXPECT_FALSE(files.IsFile(missing)) << missing;
        EXPECT_FALSE(files.LookUp(missing).has_value()) << missing;
    }
    if (!test::AnsiCodePageIsSingleByte()) {
        GTEST_SKIP() << "the ANSI code page here has no single-byte 0xE9";
    }
    const std::string ansi = dir.Text() + "\\caf\xE9.txt";
    test::WriteAnsiFile(ansi, "x");
    dir.Write("cafe.txt", "the best fit of the name");
    EXPECT_THROW(files.IsFile(ansi), FileError);
    EXPECT_THROW(files.LookUp(ansi), FileError);
    EXPECT_THROW(files.Open(ansi, PlatformFiles::Access::Read, false), FileError);
    EXPECT_THROW(files.Open(ansi, PlatformFiles::Access::Write, true), FileError);
}

TEST(Win32Files, AFileLockedByAnotherProgramCantBeOpened) {
    TempFolder dir;
    PlatformFiles& files = NativeFiles();
    const std::string file = dir.Write("locked.txt", "keep\r\n");
    {
        const test::LockedFile lock(file);
        EXPECT_TRUE(files.IsFile(file));
        EXPECT_TRUE(files.LookUp(file).has_value());
        EXPECT_THROW(files.Open(file, PlatformFiles::Access::Read, false), FileError);
        EXPECT_THROW(files.Open(file, PlatformFiles::Access::Write, true), FileError);
    }
    EXPECT_EQ(dir.Read("locked.txt"), "keep\r\n");
}

// Files named in the ANSI code page by a program that knows no other spelling are reached by
// their names in UTF-8, as the program holds every name, and so are names outside that code
// page; the code page's best fit of a name is no other name of the file.
TEST(Win32Files, AnsiNamesReachTheRightFile) {
    if (!test::AnsiCodePageIsSingleByte()) {
        GTEST_SKIP() << "the ANSI code page here has no single-byte 0xE9";
    }
    TempFolder dir;
    PlatformFiles& files = NativeFiles();
    test::WriteAnsiFile(dir.Text() + "\\caf\xE9.txt", "caf\xE9\r\n");
    const std::string name = dir.Text() + "\\caf\u00E9.txt";
    EXPECT_TRUE(files.IsFile(name));
    EXPECT_FALSE(files.IsFile(dir.Text() + "\\cafe.txt"));
    EXPECT_EQ(ReadAll(*files.Open(name, PlatformFiles::Access::Read, false)), "caf\xE9\r\n");

    for (const std::string written : {"r\u00E9sum\u00E9.txt", "\u0151 \u03A9 \u65E5\u672C.txt"}) {
        auto out = files.Open(dir.Text() + "\\" + written, PlatformFiles::Access::Write, true);
        ASSERT_EQ(out->Write("x\r\n", 3), 3U);
        out->Close();
        EXPECT_EQ(test::ReadUtf8File(dir.Text() + "\\" + written), "x\r\n") << written;
    }
    EXPECT_EQ(test::ReadAnsiFile(dir.Text() + "\\r\xE9sum\xE9.txt"), "x\r\n");
    EXPECT_FALSE(files.IsFile(dir.Text() + "\\o \u03A9 \u65E5\u672C.txt"));
}

// Many names looked up together, from a listing of the folder, tell what each lookup by name
// would: files, folders, names Windows spells another way, missing names and names given
// twice. The file identities come from the listing, so they must be the ones a lookup gives.
TEST(Win32Files, LookingUpManyNamesAgreesWithLookingUpEach) {
    TempFolder dir;
    PlatformFiles& files = NativeFiles();
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i) {
        names.push_back("\u65E5\u672C " + std::to_string(i) + ".txt");
        test::WriteUtf8File(dir.Text() + "\\" + names.back(), "x");
    }
    dir.MakeFolder("folder.txt");
    dir.Write("a.txt", "x");
    names.insert(names.end(), {"folder.txt", "a.txt", "A.TXT", "a.txt.", "a.txt ", "none.txt",
                               "folder.txt\\..\\a.txt", names[3], "a.txt"});
    const std::string folder = dir.Text() + "\\";
    const auto found = files.Folder(folder)->LookUp(names);
    ASSERT_EQ(found.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(found[i], files.LookUp(folder + names[i])) << names[i];
    }
    EXPECT_TRUE(found[0].has_value() && !found[0]->folder && found[0]->identity.has_value());
    EXPECT_TRUE(found[20].has_value() && found[20]->folder);
    EXPECT_EQ(found[23], found[21]);  // "a.txt." is opened as "a.txt"
    EXPECT_FALSE(found[25].has_value());
}

// Cutting a file to the length it has already changes nothing, not even its time stamps.
TEST(Win32Files, CuttingAFileToItsLengthKeepsItsTimeStamps) {
    TempFolder dir;
    const std::string path = dir.Write("t.txt", "kept\r\n");
    const FILETIME old{0x10000000, 0x01d00000};
    {
        const HANDLE file = CreateFileW(test::Wide(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &old));
        CloseHandle(file);
    }
    auto file = NativeFiles().Open(path, PlatformFiles::Access::Write, false);
    EXPECT_TRUE(file->Truncate(6));
    file->Close();
    WIN32_FILE_ATTRIBUTE_DATA info{};
    ASSERT_TRUE(GetFileAttributesExW(test::Wide(path).c_str(), GetFileExInfoStandard, &info));
    EXPECT_EQ(info.ftLastWriteTime.dwLowDateTime, old.dwLowDateTime);
    EXPECT_EQ(info.ftLastWriteTime.dwHighDateTime, old.dwHighDateTime);
    EXPECT_EQ(dir.Read("t.txt"), "kept\r\n");
}

}  // namespace
}  // namespace kelvane

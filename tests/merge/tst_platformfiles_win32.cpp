// The file services over the Win32 file API: what exists, what is the same file under
// Windows' other spellings of a path, and files that another program holds locked.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "merge/fileerror.h"
#include "merge/fileservices.h"
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

class FileExistsWin32 : public ::testing::TestWithParam<ExistsCase> {};

TEST_P(FileExistsWin32, IsTrueForFilesOnly) {
    TempFolder dir;
    const std::string path = GetParam().path(dir);
    EXPECT_EQ(FileServices().FileExists(path), GetParam().exists) << path;
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

INSTANTIATE_TEST_SUITE_P(Paths, FileExistsWin32, ::testing::ValuesIn(kExistsCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(FileServicesWin32, IdentityIsTheSameUnderEveryWindowsSpelling) {
    TempFolder dir;
    FileServices fso;
    const std::string file = dir.Write("data.txt", "x");
    const auto identity = fso.Identity(file);
    ASSERT_TRUE(identity.has_value());

    char shortName[MAX_PATH] = {};
    const DWORD shortLength = GetShortPathNameA(file.c_str(), shortName, MAX_PATH);
    ASSERT_TRUE(CreateHardLinkA(dir.At("hard.txt").c_str(), file.c_str(), nullptr));
    for (const std::string& other :
         {dir.At("DATA.TXT"), dir.Text() + "/data.txt", dir.Text() + "\\.\\sub\\..\\data.txt",
          std::string(shortName, shortLength), dir.At("hard.txt")}) {
        EXPECT_EQ(fso.Identity(other), identity) << other;
    }
    EXPECT_NE(fso.Identity(dir.Write("other.txt", "x")), identity);
    EXPECT_FALSE(fso.Identity(dir.At("missing.txt")).has_value());
}

// Only "nothing is there" is an answer; a file that is there but whose full name is longer
// than the 8-bit functions take can't be looked at, and that fails.
TEST(FileServicesWin32, LookingUpFailsWhereAFileMayBeThere) {
    TempFolder dir;
    FileServices fso;
    const std::string file = dir.Write("a.txt", "x");
    for (const std::string& missing :
         {dir.At("none.txt"), dir.At("none\\a.txt"), file + "\\a", dir.At("a?.txt")}) {
        EXPECT_FALSE(fso.FileExists(missing)) << missing;
        EXPECT_FALSE(fso.Identity(missing).has_value()) << missing;
    }
    const std::string longName = dir.At(test::WriteLongNamedFile(dir.Text(), "x"));
    EXPECT_THROW(fso.FileExists(longName), FileError);
    EXPECT_THROW(fso.Identity(longName), FileError);
}

TEST(FileServicesWin32, AFileLockedByAnotherProgramCantBeOpened) {
    TempFolder dir;
    FileServices fso;
    const std::string file = dir.Write("locked.txt", "keep\r\n");
    {
        const test::LockedFile lock(file);
        EXPECT_TRUE(fso.FileExists(file));
        EXPECT_TRUE(fso.Identity(file).has_value());
        EXPECT_THROW(fso.OpenTextFile(file, FileServices::ForReading, false), FileError);
        EXPECT_THROW(fso.OpenTextFile(file, FileServices::ForWriting, true), FileError);
    }
    EXPECT_EQ(dir.Read("locked.txt"), "keep\r\n");
}

TEST(FileServicesWin32, AnsiNamesReachTheRightFile) {
    if (!test::AnsiCodePageIsSingleByte()) {
        GTEST_SKIP() << "the ANSI code page here has no single-byte 0xE9";
    }
    TempFolder dir;
    FileServices fso;
    const std::string name = dir.Text() + "\\caf\xE9.txt";
    test::WriteAnsiFile(name, "caf\xE9\r\n");
    EXPECT_TRUE(fso.FileExists(name));
    EXPECT_FALSE(fso.FileExists(dir.Text() + "\\cafe.txt"));

    auto in = fso.OpenTextFile(name, FileServices::ForReading, false);
    EXPECT_EQ(in->ReadLine(), "caf\xE9");
    in->Close();

    const std::string written = dir.Text() + "\\r\xE9sum\xE9.txt";
    auto out = fso.OpenTextFile(written, FileServices::ForWriting, true);
    out->WriteLine("x");
    out->Close();
    EXPECT_EQ(test::ReadAnsiFile(written), "x\r\n");
}

}  // namespace
}  // namespace kelvane

// The Win32 file API: hidden files, names of every script, and files that another program holds
// locked.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "base/widetext.h"
#include "engine/fileerror.h"
#include "engine/platformfiles.h"
#include "platformfilestest.h"
#include "tempfolder.h"

namespace kelvane {

namespace test {

// Names that Windows opens as another: the trailing dot and space go, the case counts for
// nothing, and a path may go down and up again; and another name of the file, a hard link.
OddNames MakeOddNames(const TempFolder& dir) {
    if (!CreateHardLinkW(ToWide(dir.At("hard.txt")).value().c_str(),
                         ToWide(dir.At("a.txt")).value().c_str(), nullptr)) {
        throw std::runtime_error("can't make a hard link");
    }
    return {{"a.txt "}, {"A.TXT", "a.txt.", "folder.txt\\..\\a.txt", "hard.txt"}};
}

}  // namespace test

namespace {

using test::TempFolder;

// Files made by their names in the ANSI code page, as programs that know no other spelling make
// them: the C runtime takes a narrow name so.
void WriteAnsiFile(const std::string& path, const std::string& bytes) {
    if (!(std::ofstream(path, std::ios::binary) << bytes)) {
        throw std::runtime_error("can't write " + path);
    }
}

// Whether byte 0xE9 is one character of the ANSI code page (as in the Windows code pages
// 1250 to 1258), so names holding it can be made through the "A" functions.
bool AnsiCodePageIsSingleByte() {
    return GetACP() != CP_UTF8 && !IsDBCSLeadByte(0xE9);
}

// A file that Explorer doesn't show is a file all the same.
TEST(Win32Files, AHiddenFileIsAFile) {
    TempFolder dir;
    const std::wstring path = ToWide(dir.Write("h.txt", "x")).value();
    // Under wine, a file system without extended attributes can't keep the attribute.
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN) &&
                (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0);
    EXPECT_TRUE(NativeFiles().IsFile(dir.At("h.txt")));
}

TEST(Win32Files, AFileLockedByAnotherProgramCantBeOpened) {
    TempFolder dir;
    PlatformFiles& files = NativeFiles();
    const std::string file = dir.Write("locked.txt", "keep\r\n");
    // Held open with no sharing, as a program that locks it does.
    const HANDLE lock = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(files.IsFile(file));
    EXPECT_TRUE(files.LookUp(file).has_value());
    EXPECT_THROW(files.Open(file, PlatformFiles::Access::Read, false), FileError);
    EXPECT_THROW(files.Open(file, PlatformFiles::Access::Write, true), FileError);
    CloseHandle(lock);
    EXPECT_EQ(dir.Read("locked.txt"), "keep\r\n");
}

// Files named in the ANSI code page by a program that knows no other spelling are reached by
// their names in UTF-8, as the program holds every name, and so are names outside that code
// page; the code page's best fit of a name is no other name of the file. Only "nothing is there"
// is an answer: the ANSI spelling, which isn't exactly UTF-8, can't be given to Windows
// unchanged, and fails; changed, it could reach another file.
TEST(Win32Files, AnsiNamesReachTheRightFile) {
    if (!AnsiCodePageIsSingleByte()) {
        GTEST_SKIP() << "the ANSI code page here has no single-byte 0xE9";
    }
    TempFolder dir;
    PlatformFiles& files = NativeFiles();
    const std::string ansi = dir.Text() + "\\caf\xE9.txt";
    WriteAnsiFile(ansi, "caf\xE9\r\n");
    dir.Write("cafe.txt", "the best fit of the name");
    EXPECT_THROW(files.IsFile(ansi), FileError);
    EXPECT_THROW(files.LookUp(ansi), FileError);
    EXPECT_THROW(files.Open(ansi, PlatformFiles::Access::Read, false), FileError);
    EXPECT_THROW(files.Open(ansi, PlatformFiles::Access::Write, true), FileError);
    const std::string name = dir.Text() + "\\caf\u00E9.txt";
    EXPECT_TRUE(files.IsFile(name));
    char bytes[16];
    auto in = files.Open(name, PlatformFiles::Access::Read, false);
    EXPECT_EQ(std::string(bytes, in->Read(bytes, sizeof bytes)), "caf\xE9\r\n");

    for (const std::string written : {"r\u00E9sum\u00E9.txt", "\u0151 \u03A9 \u65E5\u672C.txt"}) {
        auto out = files.Open(dir.Text() + "\\" + written, PlatformFiles::Access::Write, true);
        ASSERT_EQ(out->Write("x\r\n", 3), 3U);
        out->Close();
        EXPECT_EQ(dir.Read(written), "x\r\n") << written;
    }
    std::ifstream resume(dir.Text() + "\\r\xE9sum\xE9.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(resume), {}), "x\r\n");
    EXPECT_FALSE(files.IsFile(dir.Text() + "\\o \u03A9 \u65E5\u672C.txt"));
}

}  // namespace
}  // namespace kelvane

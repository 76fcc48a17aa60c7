// The plain-file lookup over the Windows file system: hidden and system files and folders are
// not plain files; names are found whatever their case.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "pages/about/systemfilelookup.h"
#include "tempfolder.h"

namespace kelvane {
namespace {

struct LookupCase {
    const char* name;
    std::string made;  // made in the test folder: a file, or a folder when it ends with '\'
    DWORD attributes;
    std::string asked;  // the path looked up, in the test folder
    std::string found;
};

class SystemFileLookupWin32Test : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SystemFileLookupWin32Test, FindsOnlyPlainFiles) {
    const LookupCase& c = GetParam();
    test::TempFolder folder;
    const std::filesystem::path made = folder.Path() / test::Utf8Path(c.made);
    std::filesystem::create_directories(c.made.back() == '\\' ? made : made.parent_path());
    if (c.made.back() != '\\') {
        std::ofstream(made) << "MZ";
    }
    // Under wine, a file system without extended attributes can't keep them.
    ASSERT_TRUE(c.attributes == 0 || SetFileAttributesW(made.c_str(), c.attributes));
    ASSERT_EQ(GetFileAttributesW(made.c_str()) & c.attributes, c.attributes);
    EXPECT_EQ(SystemFileLookup().PlainFileName(folder.Text() + "\\" + c.asked), c.found);
    SetFileAttributesW(made.c_str(), FILE_ATTRIBUTE_NORMAL);  // a read-only file can't be removed
}

// clang-format off
const LookupCase kCases[] = {
    {"PlainFile", "MSINFO32.EXE", 0, "MSINFO32.EXE", "MSINFO32.EXE"},
    {"NameInAnotherCase", "msinfo32.exe", 0, "MSINFO32.EXE", "MSINFO32.EXE"},
    {"FolderOutsideTheCodePage", "Ωmega 日本 ő\\MSINFO32.EXE", 0, "Ωmega 日本 ő\\MSINFO32.EXE", "MSINFO32.EXE"},
    {"DoubledSeparator", "MSINFO32.EXE", 0, "\\MSINFO32.EXE", "MSINFO32.EXE"},
    {"ReadOnlyFile", "MSINFO32.EXE", FILE_ATTRIBUTE_READONLY, "MSINFO32.EXE", "MSINFO32.EXE"},
    {"HiddenFile", "MSINFO32.EXE", FILE_ATTRIBUTE_HIDDEN, "MSINFO32.EXE", ""},
    {"SystemFile", "MSINFO32.EXE", FILE_ATTRIBUTE_SYSTEM, "MSINFO32.EXE", ""},
    {"Folder", "MSINFO32.EXE\\", 0, "MSINFO32.EXE", ""},
    {"NearMiss", "MSINFO.EXE", 0, "MSINFO32.EXE", ""},
    {"MissingFolder", "MSINFO32.EXE", 0, "none\\MSINFO32.EXE", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Paths, SystemFileLookupWin32Test, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace kelvane

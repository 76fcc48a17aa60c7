// The plain-file lookup over the Windows file system: hidden and system files and folders are
// not plain files; names are found whatever their case.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "pages/about/systemfilelookup.h"
#include "startmarkercopy.h"
#include "tempfolder.h"

namespace kelvane {
namespace {

std::string MakeFile(const test::TempFolder& folder, const std::string& name, DWORD attributes) {
    const std::string path = folder.Write(name, "MZ");
    if (attributes != 0 && (!SetFileAttributesA(path.c_str(), attributes) ||
                            (GetFileAttributesA(path.c_str()) & attributes) != attributes)) {
        // Under wine, a file system without extended attributes can't keep them.
        throw std::runtime_error("can't set the attributes of " + path);
    }
    return path;
}

struct LookupCase {
    const char* name;
    std::string (*path)(const test::TempFolder&);
    std::string expected;
};

class SystemFileLookupWin32Test : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SystemFileLookupWin32Test, FindsOnlyPlainFiles) {
    test::TempFolder folder;
    SystemFileLookup lookup;
    const std::string path = GetParam().path(folder);
    EXPECT_EQ(lookup.PlainFileName(path), GetParam().expected) << path;
    // Let the folder go: a read-only file can't be removed.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

using Folder = const test::TempFolder&;

// clang-format off
const LookupCase kCases[] = {
    {"PlainFile", [](Folder f) { return MakeFile(f, "MSINFO32.EXE", 0); }, "MSINFO32.EXE"},
    {"NameInAnotherCase", [](Folder f) { MakeFile(f, "msinfo32.exe", 0); return f.At("MSINFO32.EXE"); }, "MSINFO32.EXE"},
    {"FolderOutsideTheCodePage", [](Folder f) {
         std::filesystem::create_directory(f.Path() / test::Utf8Path("Ωmega 日本 ő"));
         std::ofstream(f.Path() / test::Utf8Path("Ωmega 日本 ő/MSINFO32.EXE")) << "MZ";
         return f.Text() + "\\Ωmega 日本 ő\\MSINFO32.EXE"; }, "MSINFO32.EXE"},
    {"DoubledSeparator", [](Folder f) { MakeFile(f, "MSINFO32.EXE", 0); return f.Text() + "\\\\MSINFO32.EXE"; }, "MSINFO32.EXE"},
    {"ReadOnlyFile", [](Folder f) { return MakeFile(f, "MSINFO32.EXE", FILE_ATTRIBUTE_READONLY); }, "MSINFO32.EXE"},
    {"HiddenFile", [](Folder f) { return MakeFile(f, "MSINFO32.EXE", FILE_ATTRIBUTE_HIDDEN); }, ""},
    {"SystemFile", [](Folder f) { return MakeFile(f, "MSINFO32.EXE", FILE_ATTRIBUTE_SYSTEM); }, ""},
    {"Folder", [](Folder f) { return f.MakeFolder("MSINFO32.EXE"); }, ""},
    {"NearMiss", [](Folder f) { MakeFile(f, "MSINFO.EXE", 0); return f.At("MSINFO32.EXE"); }, ""},
    {"MissingFolder", [](Folder f) { return f.At("none\\MSINFO32.EXE"); }, ""},
    {"DriveRoot", [](Folder) { return std::string("C:\\"); }, ""},
    {"EmptyPath", [](Folder) { return std::string(); }, ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Paths, SystemFileLookupWin32Test, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(SystemFileLookupWin32, FindsTheSystemInformationProgramInTheSystemFolder) {
    char system[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryA(system, MAX_PATH), 0u);
    SystemFileLookup lookup;
    EXPECT_EQ(lookup.PlainFileName(std::string(system) + "\\MSINFO32.EXE"), "MSINFO32.EXE");
}

}  // namespace
}  // namespace kelvane

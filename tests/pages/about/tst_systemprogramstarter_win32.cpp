// The program start over CreateProcess: a real program of the tests' own is started and leaves
// a marker file behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "pages/about/systemprogramstarter.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(test::Utf8Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The folder the program lies in.
class SystemProgramStarterWin32Test : public ::testing::TestWithParam<std::string> {};

TEST_P(SystemProgramStarterWin32Test, StartsTheProgramWhichRunsOnItsOwn) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.Path() / test::Utf8Path(GetParam()));
    const std::string program = folder.Text() + "\\" + GetParam() + "\\sysinfo.exe";
    const std::string marker = test::CopyStartMarker(program);

    SystemProgramStarter starter;
    ASSERT_TRUE(starter.Start(program));
    ASSERT_TRUE(test::WaitForFile(test::Utf8Path(marker))) << "the program didn't run: " << program;
    EXPECT_NE(ReadText(marker).find(program), std::string::npos)
        << "its command line names the program: " << ReadText(marker);
}

INSTANTIATE_TEST_SUITE_P(Folders, SystemProgramStarterWin32Test,
                         ::testing::Values("tools", "Ωmega 日本 ő"));

TEST(SystemProgramStarterWin32, APathWithBlanksNamesOneProgram) {
    // Read unquoted, "...\Sys Info\sys info.exe" would start "...\Sys.exe" instead.
    test::TempFolder folder;
    folder.MakeFolder("Sys Info");
    const std::string decoyMarker = test::CopyStartMarker(folder.At("Sys.exe"));
    const std::string program = folder.At("Sys Info\\sys info.exe");
    const std::string marker = test::CopyStartMarker(program);

    SystemProgramStarter starter;
    ASSERT_TRUE(starter.Start(program));
    ASSERT_TRUE(test::WaitForFile(marker)) << "the program didn't run: " << program;
    EXPECT_FALSE(std::filesystem::exists(decoyMarker)) << "a shorter path was started";
}

struct FailureCase {
    const char* name;
    std::string (*program)(const test::TempFolder&);
};

class SystemProgramStarterWin32FailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SystemProgramStarterWin32FailureTest, ReportsAProgramThatCantStart) {
    test::TempFolder folder;
    SystemProgramStarter starter;
    EXPECT_FALSE(starter.Start(GetParam().program(folder)));
}

const FailureCase kFailures[] = {
    {"Missing", [](const test::TempFolder& f) { return f.At("MSINFO32.EXE"); }},
    {"MissingFolder", [](const test::TempFolder& f) { return f.At("none\\MSINFO32.EXE"); }},
    {"Empty", [](const test::TempFolder&) { return std::string(); }},
    {"Folder", [](const test::TempFolder& f) { return f.MakeFolder("tools"); }},
    {"NotAProgram", [](const test::TempFolder& f) { return f.Write("notes.exe", "text\r\n"); }},
    // Bytes that aren't exactly UTF-8 never start a program of a name they would become.
    {"NotExactText",
     [](const test::TempFolder& f) {
         test::CopyStartMarker(f.Text() + "\\sysé.exe");
         test::CopyStartMarker(f.Text() + "\\sys\uFFFD.exe");
         return f.Text() + "\\sys\xE9.exe";
     }},
};

INSTANTIATE_TEST_SUITE_P(Programs, SystemProgramStarterWin32FailureTest,
                         ::testing::ValuesIn(kFailures),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace kelvane

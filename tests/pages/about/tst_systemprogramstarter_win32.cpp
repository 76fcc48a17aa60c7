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

// Bytes that aren't exactly UTF-8 never start a program of a name they would become.
TEST(SystemProgramStarterWin32, NotExactTextStartsNothing) {
    test::TempFolder folder;
    test::CopyStartMarker(folder.Text() + "\\sysé.exe");
    test::CopyStartMarker(folder.Text() + "\\sys\uFFFD.exe");
    EXPECT_FALSE(SystemProgramStarter().Start(folder.Text() + "\\sys\xE9.exe"));
}

}  // namespace
}  // namespace kelvane

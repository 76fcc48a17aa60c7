// The program start over CreateProcess: a real program of the tests' own is started and leaves
// a marker file behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "pages/about/systemprogramstarter.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

// A program in a folder named with blanks, outside the ANSI code page: read unquoted, its path
// would start "...\Sys.exe" instead; its command line names it.
TEST(SystemProgramStarterWin32, StartsTheOneProgramItsPathNames) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.Path() / test::Utf8Path("Sys Info Ωmega 日本 ő"));
    const std::string decoyMarker = test::CopyStartMarker(folder.Text() + "\\Sys.exe");
    const std::string program = folder.Text() + "\\Sys Info Ωmega 日本 ő\\sys info.exe";
    const std::string marker = test::CopyStartMarker(program);

    ASSERT_TRUE(SystemProgramStarter().Start(program));
    ASSERT_TRUE(test::WaitForFile(test::Utf8Path(marker))) << "the program didn't run: " << program;
    const std::string commandLine = folder.Read("Sys Info Ωmega 日本 ő\\sys info.started");
    EXPECT_NE(commandLine.find(program), std::string::npos) << commandLine;
    EXPECT_FALSE(std::filesystem::exists(test::Utf8Path(decoyMarker)))
        << "a shorter path was started";
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

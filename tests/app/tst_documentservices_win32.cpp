// The Windows services of the document opener, tried for real (under wine when cross-built):
// the module's own path, and the shell's Open on a program of the tests' own, which leaves a
// marker when started.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "app/documentservices.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

TEST(DocumentServicesWin32, ProgramPathIsThisTestProgram) {
    const std::string path = PlatformDocumentServices().location->ProgramPath();
    const std::string name = "\\tst_documentservices_win32.exe";
    ASSERT_GT(path.size(), name.size());
    EXPECT_EQ(path.substr(path.size() - name.size()), name) << path;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path;
}

// A relative document is taken from the current folder, as the Help command gives it.
TEST(DocumentServicesWin32, ShellOpensADocumentFromTheCurrentFolder) {
    test::TempFolder folder;
    const std::string marker = test::CopyStartMarker(folder.At("user guide.exe"));
    char saved[MAX_PATH + 1] = {};
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, saved), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Text().c_str()));

    PlatformDocumentServices().shell->Open(0, "user guide.exe");
    SetCurrentDirectoryA(saved);
    EXPECT_TRUE(test::WaitForFile(marker))
        << "the shell didn't open " << folder.At("user guide.exe");
}

}  // namespace
}  // namespace kelvane

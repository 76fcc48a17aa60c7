// The Windows services of the document opener, tried for real (under wine when cross-built):
// the module's own path, also of a program the test puts in a folder of its own, and the
// shell's Open on a program of the tests' own, which leaves a marker when started. The folders
// are named in scripts outside the ANSI code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "pages/about/systemprogramstarter.h"
#include "pages/main/documentservices.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

constexpr char kFolderName[] = "Ωmega 日本 ő";

std::string ReadText(const std::string& path) {
    std::ifstream in(test::Utf8Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A relative document is taken from the current folder, as the Help command gives it.
TEST(DocumentServicesWin32, ShellOpensADocumentFromTheCurrentFolder) {
    test::TempFolder folder;
    const std::string current = folder.Text() + "\\" + kFolderName;
    std::filesystem::create_directory(test::Utf8Path(current));
    const std::string marker = test::CopyStartMarker(current + "\\user guide 中文.exe");
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(test::Utf8Path(current));

    PlatformDocumentServices().shell->Open(0, "user guide 中文.exe");
    std::filesystem::current_path(saved);
    EXPECT_TRUE(test::WaitForFile(test::Utf8Path(marker)))
        << "the shell didn't open it in " << current;
}

// Help, asked for by a program put in a folder of any name and started in another, names in full
// the guide of the folder it was started in before the one beside the program; the program
// finds its own path, where it leaves the name.
TEST(HelpProbe, NamesTheGuideInFull) {
    test::TempFolder folder;
    const std::string home = folder.Text() + "\\" + kFolderName;
    const std::string start = folder.Text() + "\\start " + kFolderName;
    std::filesystem::create_directory(test::Utf8Path(home));
    std::filesystem::create_directory(test::Utf8Path(start));
    std::filesystem::copy_file(test::Utf8Path(test::TestProgram("kelvane_helpprobe.exe")),
                               test::Utf8Path(home + "\\kelvane-merger.exe"));
    for (const std::string& guide : {home, start}) {
        std::ofstream(test::Utf8Path(guide + "\\help.pdf")) << "%PDF-1.4\n";
    }

    // The probe starts in the current folder of the test.
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(test::Utf8Path(start));
    const bool started = SystemProgramStarter().Start(home + "\\kelvane-merger.exe");
    std::filesystem::current_path(saved);
    ASSERT_TRUE(started);
    const std::string opened = home + "\\kelvane-merger.exe.opened";
    ASSERT_TRUE(test::WaitForFile(test::Utf8Path(opened))) << "no document was opened";
    EXPECT_EQ(ReadText(opened), start + "\\help.pdf");
}

}  // namespace
}  // namespace kelvane

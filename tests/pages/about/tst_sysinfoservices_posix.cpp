// The system-information services of POSIX systems, tried for real: the first of the desktops'
// programs found on PATH, the program start, and the whole launch.
#include "pages/about/sysinfoservices.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "fakemsgbox.h"
#include "pages/about/sysinfolauncher.h"
#include "pages/about/systemprogramstarter.h"
#include "paramname.h"
#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// Each test sets PATH to folders of its own; it is set back when the test ends.
class SysInfoOnPathTest : public ::testing::Test {
  protected:
    ~SysInfoOnPathTest() override { setenv("PATH", before_.c_str(), 1); }

    const std::string before_ = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    test::TempFolder folder;
};

// The services are made once: without a program the button says so; the program is then
// installed while the dialog is open, and the next launch finds it and starts it.
TEST_F(SysInfoOnPathTest, EveryLaunchLooksForTheProgramAgain) {
    setenv("PATH", folder.Text().c_str(), 1);
    SysInfoServices services = PlatformSysInfoServices();
    test::FakeMsgBox msgBox;
    SysInfoLauncher launcher(*services.locator, *services.starter, msgBox);
    launcher.StartSysInfo();
    ASSERT_EQ(msgBox.shown.size(), 1u);

    const fs::path marker = folder.Path() / "started";  // the program installed marks it
    fs::permissions(
        folder.Write("kinfocenter", "#!/bin/sh\necho started > '" + marker.string() + "'\n"),
        fs::perms::owner_all);
    launcher.StartSysInfo();
    EXPECT_EQ(msgBox.shown.size(), 1u);
    EXPECT_TRUE(test::WaitForFile(marker));
}

struct Case {
    const char* name;
    // What the folder holds: "name*" a program that runs, "name/" a folder, else a file that
    // can't run.
    std::vector<std::string> made;
    std::string path;   // '@' stands for the folder, which is also the current folder
    std::string found;  // in the folder; empty for nothing
};

class FirstProgramOnPathTest : public SysInfoOnPathTest,
                               public ::testing::WithParamInterface<Case> {};

TEST_P(FirstProgramOnPathTest, IsTheEarliestProgramInTheFirstFolderHoldingIt) {
    for (std::string made : GetParam().made) {
        if (made.back() == '/') {
            fs::create_directories(folder.Path() / made);
            continue;
        }
        const bool runs = made.back() == '*';
        made.erase(made.size() - (runs ? 1 : 0));
        fs::create_directories((folder.Path() / made).parent_path());
        fs::permissions(folder.Write(made, "#!/bin/sh\n"),
                        runs ? fs::perms::owner_all : fs::perms::owner_read);
    }
    std::string path = GetParam().path;
    for (auto at = path.find('@'); at != std::string::npos; at = path.find('@')) {
        path.replace(at, 1, folder.Text() + "/");
    }
    setenv("PATH", path.c_str(), 1);
    const fs::path before = fs::current_path();
    fs::current_path(folder.Path());
    const std::optional<std::string> found = PlatformSysInfoServices().locator->LocateSysInfo();
    fs::current_path(before);
    EXPECT_EQ(found.value_or(""), GetParam().found.empty() ? "" : folder.At(GetParam().found));
}

// clang-format off
const Case kCases[] = {
    {"EarliestProgramBeforeEarlierFolder", {"a/kinfocenter*", "a/hardinfo*", "b/hardinfo2*"}, "@a:@b", "b/hardinfo2"},
    {"FirstFolderHoldingTheProgram", {"a/kinfocenter*", "b/hardinfo*", "c/hardinfo*"}, "@a:@b:@c", "b/hardinfo"},
    {"FilesThatCantRunAndFoldersPassedOver", {"a/hardinfo2", "a/hardinfo/", "b/kinfocenter*"}, "::@a::@b:", "b/kinfocenter"},
    {"RelativeFoldersPassedOver", {"rel/hardinfo*", "hardinfo*"}, "rel:.:", ""},
    {"NothingInTheFolder", {"empty/"}, "@empty", ""},
    {"NoFolder", {"hardinfo*"}, "", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Paths, FirstProgramOnPathTest, ::testing::ValuesIn(kCases),
                         test::ParamName<Case>);

// ---- The program start: a program started on its own, as it would start by itself.

// The program is named with blanks and shell characters, which a shell would split or run. It
// leaves its parent's process id and the signals it ignores in a marker, written whole. The
// platform's files ignore two signals so that a failed write is reported instead of ending this
// program; a started program still gets the default action of every signal.
TEST(SystemProgramStarterTest, StartsTheProgramOnItsOwnWithoutAShellNorIgnoredSignals) {
    test::TempFolder folder;
    const std::string marker = "'" + (folder.Path() / "started").string();
    const std::string program =
        folder.Write("sys info; touch injected $(touch also)",
                     "#!/bin/sh\n(echo $PPID; grep SigIgn /proc/$$/status) > " + marker +
                         ".tmp'\nmv " + marker + ".tmp' " + marker + "'\n");
    fs::permissions(program, fs::perms::owner_all);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction pipe {};
    struct sigaction size {};
    ::sigaction(SIGPIPE, &ignore, &pipe);
    ::sigaction(SIGXFSZ, &ignore, &size);
    const bool started = SystemProgramStarter().Start(program);
    ::sigaction(SIGPIPE, &pipe, nullptr);
    ::sigaction(SIGXFSZ, &size, nullptr);
    ASSERT_TRUE(started);
    ASSERT_TRUE(test::WaitForFile(folder.Path() / "started"));

    std::ifstream in(folder.Path() / "started");
    long parent = 0;
    std::string label;
    unsigned long long ignored = 0;
    ASSERT_TRUE(in >> parent >> label >> std::hex >> ignored);
    EXPECT_NE(parent, static_cast<long>(getpid())) << "the program must not be our own child";
    EXPECT_EQ(ignored & ((1ULL << (SIGPIPE - 1)) | (1ULL << (SIGXFSZ - 1))), 0u)
        << std::hex << ignored;
    EXPECT_FALSE(fs::exists(folder.Path() / "injected"));
    EXPECT_FALSE(fs::exists(folder.Path() / "also"));
    EXPECT_FALSE(fs::exists("injected"));
}

}  // namespace
}  // namespace kelvane

// The program start of POSIX systems: a program started on its own, as it would start by itself.
#include "pages/about/systemprogramstarter.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

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

// A bare name is no path: PATH isn't searched.
TEST(SystemProgramStarterTest, ABareNameIsNotSearched) {
    EXPECT_FALSE(SystemProgramStarter().Start("true"));
}

}  // namespace
}  // namespace kelvane

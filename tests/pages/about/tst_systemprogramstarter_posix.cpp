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

// Writes a program that leaves what `command` prints in `marker`, whole; returns its path.
std::string WriteScript(const test::TempFolder& folder, const std::string& name,
                        const std::string& command, const fs::path& marker) {
    const std::string to = "'" + marker.string();
    const std::string path = folder.Write(
        name, "#!/bin/sh\n" + command + " > " + to + ".tmp'\nmv " + to + ".tmp' " + to + "'\n");
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

TEST(SystemProgramStarterTest, StartsTheProgramOnItsOwnWithoutAShell) {
    test::TempFolder folder;
    const fs::path marker = folder.Path() / "started";
    // Blanks and shell characters in the name: a shell would split or run them.
    const std::string program =
        WriteScript(folder, "sys info; touch injected $(touch also)", "echo $PPID", marker);

    SystemProgramStarter starter;
    ASSERT_TRUE(starter.Start(program));
    ASSERT_TRUE(test::WaitForFile(marker));

    std::ifstream in(marker);
    long parent = 0;
    in >> parent;
    EXPECT_NE(parent, static_cast<long>(getpid())) << "the program must not be our own child";
    EXPECT_FALSE(fs::exists(folder.Path() / "injected"));
    EXPECT_FALSE(fs::exists(folder.Path() / "also"));
    EXPECT_FALSE(fs::exists("injected"));
}

// The platform's files ignore two signals so that a failed write is reported instead of ending
// this program; a started program still gets the default action of every signal.
TEST(SystemProgramStarterTest, TheProgramStartsWithDefaultSignalActions) {
    test::TempFolder folder;
    const fs::path marker = folder.Path() / "ignored";
    const std::string program =
        WriteScript(folder, "report", "grep SigIgn /proc/$$/status", marker);
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
    ASSERT_TRUE(test::WaitForFile(marker));

    std::ifstream in(marker);
    std::string label;
    unsigned long long ignored = 0;
    ASSERT_TRUE(in >> label >> std::hex >> ignored);
    EXPECT_EQ(ignored & ((1ULL << (SIGPIPE - 1)) | (1ULL << (SIGXFSZ - 1))), 0u)
        << std::hex << ignored;
}

// A bare name is no path: PATH isn't searched.
TEST(SystemProgramStarterTest, ABareNameIsNotSearched) {
    EXPECT_FALSE(SystemProgramStarter().Start("true"));
}

}  // namespace
}  // namespace kelvane

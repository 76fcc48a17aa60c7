// Merge runs against limits only a real POSIX system sets, each in a child process of its own.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "childprocess.h"
#include "mergepagetest.h"

namespace kelvane {
namespace {

using namespace test;

// A folder whose name ends in a space, beside one without it: its files are the sources, never
// the other folder's.
TEST_F(MergePageTest, AFolderEndingInASpaceIsNotTheFolderWithoutIt) {
    folders.SetPath(src.MakeFolder("sp "));
    src.MakeFolder("sp");
    src.Write("sp/a.txt", "from-sp-nospace\n");
    Rows({"a.txt"});
    target.SetText(src.Write("sp /a.txt", "from-sp-space\n"));
    msgBox.answers = {MsgBox::Button::Yes};
    Merge();
    EXPECT_EQ(Shown(), std::vector<std::string>{kTargetIsSource});
    EXPECT_EQ(src.Read("sp /a.txt"), "from-sp-space\n");
    EXPECT_EQ(src.Read("sp/a.txt"), "from-sp-nospace\n");
}

// No thread can be started, as when the user has reached the limit of processes: the run ends
// with the critical message, the target holding whole lines, rather than waiting for a writer
// that never comes.
TEST_F(MergePageTest, NoThreadForTheWriterEndsTheRun) {
    src.Write("a.txt", "A1\nA2\n");
    Rows({"a.txt"});
    target.SetText(out.At("t.txt"));
    const bool ran = RunUnprivileged({src.Path(), out.Path()}, [&] {
        RunInChild([&] {
            ::alarm(60);  // a run that waits for ever ends the child, and fails the test
            const rlimit limit{0, 0};
            ASSERT_EQ(::setrlimit(RLIMIT_NPROC, &limit), 0);
            Merge(4);  // buffers shorter than the text, so that the first is passed on
            EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
            EXPECT_EQ(out.Read("t.txt"), "A1\r\n");  // the whole lines of the buffer filled
        });
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

}  // namespace
}  // namespace kelvane

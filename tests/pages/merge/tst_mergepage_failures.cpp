// Merge runs that fail: a target that can't be written, and sources that can't be reached,
// opened or read. The run stops with the critical message, and the target holds what it held
// before or the whole lines copied before the failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "childprocess.h"
#include "mergepagetest.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Style = MsgBox::Style;
using Button = MsgBox::Button;

struct BadTarget {
    const char* name;
    std::function<std::string(const TempFolder&)> path;
    bool exists;  // the question comes first, answered Yes
};

void PrintTo(const BadTarget& c, std::ostream* os) {
    *os << c.name;
}

class UnwritableTarget : public MergePageTest, public testing::WithParamInterface<BadTarget> {};

TEST_P(UnwritableTarget, GivesTheCriticalMessageAndCreatesNothing) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    const std::string path = GetParam().path(out);
    if (path.empty()) {
        GTEST_SKIP() << "not available on this system";
    }
    target.SetText(path);
    msgBox.answers = {Button::Yes};
    const auto before = std::distance(fs::directory_iterator(out.Path()), {});
    Merge();
    if (GetParam().exists) {
        ASSERT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
    } else {
        ASSERT_EQ(Shown(), std::vector<std::string>{kFailed});
    }
    EXPECT_EQ(msgBox.shown.back().style, Style::Critical);
    EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), {}), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnwritableTarget,
    testing::Values(
        BadTarget{"FolderMissing", [](const TempFolder& d) { return d.At("missing/t.txt"); },
                  false},
        BadTarget{"TargetIsAFolder", [](const TempFolder& d) { return d.MakeFolder("t.txt"); },
                  false},
        BadTarget{"UnderAFile",
                  [](const TempFolder& d) { return d.Write("file", "keep") + "/t.txt"; }, false},
        // A device that takes no data: the failure shows only when the data goes out.
        BadTarget{"FullDisk",
                  [](const TempFolder&) {
                      return fs::exists("/dev/full") ? std::string("/dev/full") : std::string();
                  },
                  true}),
    [](const testing::TestParamInfo<BadTarget>& p) { return p.param.name; });

TEST_F(MergePageTest, ReadOnlyTargetKeepsItsContent) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    const std::string path = out.Write("t.txt", "old\n");
    target.SetText(path);
    files.failOpen = {"t.txt"};  // as a read-only file refuses to open for writing
    msgBox.answers = {Button::Yes};
    Merge();
    EXPECT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
    EXPECT_EQ(out.Read("t.txt"), "old\n");
}

TEST_F(MergePageTest, ReadOnlyTargetOnTheFileSystem) {
    src.Write("a.txt", "A\n");
    Rows({"a.txt"});
    const std::string path = out.Write("t.txt", "old\n");
    target.SetText(path);
    msgBox.answers = {Button::Yes};
    const bool ran = test::RunUnprivileged({out.Path()}, [&] {
        fs::permissions(path, fs::perms::owner_read);
        Merge();
        EXPECT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
        EXPECT_EQ(out.Read("t.txt"), "old\n");
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

// A fault put into the file doubles, and what the target holds after it.
struct Fault {
    const char* name;
    std::function<void(FaultyFiles&)> inject;
    std::string expected;
    bool inSource;  // b.txt fails: c.txt, the row after it, must never be opened
};

void PrintTo(const Fault& c, std::ostream* os) {
    *os << c.name;
}

// A source that fails in the middle of the list, or writing the target that fails part way, as
// on a full disk, or only when it is closed: the run stops there with the critical message, and
// the target holds the whole lines written before the failure, or what it held when even cutting
// it back fails.
class FailingRun : public MergePageTest, public testing::WithParamInterface<Fault> {};

// Each case runs with the usual buffers, with buffers shorter than a line, which write the
// start of a line out before its end is read, and with buffers that pass on a line end together
// with the start of the long line after it.
TEST_P(FailingRun, StopsWithTheCriticalMessage) {
    src.Write("a.txt", "A1\nA2\n");
    src.Write("b.txt", "B1\r\nB2 is long\r\nB3\r\n" + std::string(300, 'x'));
    src.Write("c.txt", "C\n");
    Rows({"a.txt", "b.txt", "c.txt"});
    target.SetText(out.At("t.txt"));
    GetParam().inject(files);
    std::string heldAtTheMessage;
    msgBox.onShow = [&](const FakeMsgBox::Shown&) { heldAtTheMessage = out.Read("t.txt"); };
    for (const std::size_t bufferSize :
         {MergeJob::kDefaultBufferSize, std::size_t{3}, std::size_t{32}}) {
        SCOPED_TRACE(bufferSize);
        msgBox.shown.clear();
        files.opened.clear();
        out.Write("t.txt", "old\n");
        msgBox.answers = {Button::Yes};
        Merge(bufferSize);
        ASSERT_EQ(Shown(), (std::vector<std::string>{kReplace, kFailed}));
        EXPECT_EQ(msgBox.shown[1].style, Style::Critical);
        EXPECT_EQ(heldAtTheMessage, GetParam().expected);
        EXPECT_EQ(out.Read("t.txt"), GetParam().expected);
        if (GetParam().inSource) {
            EXPECT_EQ(std::count(files.opened.begin(), files.opened.end(), "c.txt"), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingRun,
    testing::Values(
        Fault{"SourceCantBeOpened", [](FaultyFiles& f) { f.failOpen = {"b.txt"}; }, "A1\r\nA2\r\n",
              true},
        Fault{"SourceFailsAtItsFirstByte", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 0; },
              "A1\r\nA2\r\n", true},
        Fault{"SourceFailsInsideALine", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 8; },
              "A1\r\nA2\r\nB1\r\n", true},
        Fault{"SourceFailsAfterALineEnd", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 4; },
              "A1\r\nA2\r\nB1\r\n", true},
        Fault{"SourceFailsInsideALongLine", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 200; },
              "A1\r\nA2\r\nB1\r\nB2 is long\r\nB3\r\n", true},
        Fault{"DiskFullInsideALine", [](FaultyFiles& f) { f.failWriteAt = 14; },
              "A1\r\nA2\r\nB1\r\n", false},
        Fault{"DiskFullBetweenCrAndLf", [](FaultyFiles& f) { f.failWriteAt = 7; }, "A1\r\n", false},
        Fault{"DiskFullAtALineEnd", [](FaultyFiles& f) { f.failWriteAt = 8; }, "A1\r\nA2\r\n",
              false},
        Fault{"DiskFullAndTheCutFails",
              [](FaultyFiles& f) {
                  f.failWriteAt = 14;
                  f.failCutOnceWritten = true;
              },
              "A1\r\nA2\r\nB1\r\nB2", false},
        Fault{"TargetFailsOnClosing", [](FaultyFiles& f) { f.failClose = true; },
              "A1\r\nA2\r\nB1\r\nB2 is long\r\nB3\r\n" + std::string(300, 'x') + "\r\nC\r\n",
              false}),
    [](const testing::TestParamInfo<Fault>& p) { return p.param.name; });

TEST_F(MergePageTest, UnreadableSourceOnTheFileSystem) {
    src.Write("a.txt", "A\n");
    const std::string unreadable = src.Write("b.txt", "B\n");
    Rows({"a.txt", "b.txt"});
    target.SetText(out.At("t.txt"));
    const bool ran = test::RunUnprivileged({src.Path(), out.Path()}, [&] {
        fs::permissions(unreadable, fs::perms::none);
        Merge();
        EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
        EXPECT_EQ(out.Read("t.txt"), "A\r\n");
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

// A source that is there but can't be looked at fails the run before the target is touched,
// even where the target is another name of that source.
struct UnreachableCase {
    const char* name;
    // Makes the target t.txt in `out`, and makes b.txt in `folder` unreachable.
    std::function<void(const TempFolder& out, const fs::path& folder)> arrange;
};

void PrintTo(const UnreachableCase& c, std::ostream* os) {
    *os << c.name;
}

class UnreachableSource : public MergePageTest,
                          public testing::WithParamInterface<UnreachableCase> {};

// With as many rows as make the run look them up from the folder's listing.
TEST_P(UnreachableSource, FailsTheRunBeforeTheTargetIsEmptied) {
    const fs::path folder = src.MakeFolder("f");
    src.Write("f/a.txt", "A\n");
    src.Write("f/b.txt", "B\n");
    folders.SetPath(folder.string());
    Rows({"a.txt", "b.txt"});
    for (int i = 0; i < 20; ++i) {
        const std::string name = "more " + std::to_string(i) + ".txt";
        src.Write("f/" + name, "M\n");
        Rows({name});
    }
    target.SetText(out.At("t.txt"));
    msgBox.answers = {Button::Yes};
    const bool ran = test::RunUnprivileged({src.Path(), out.Path()}, [&] {
        GetParam().arrange(out, folder);
        Merge();
        EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
        EXPECT_EQ(out.Read("t.txt"), "B\n");
        fs::permissions(folder, fs::perms::owner_all);  // so that it can be removed
    });
    if (!ran) {
        GTEST_SKIP() << "root's rights can't be given up here";
    }
}

constexpr fs::perms kListOnly = fs::perms::owner_read | fs::perms::owner_write;

INSTANTIATE_TEST_SUITE_P(
    Ways, UnreachableSource,
    testing::Values(UnreachableCase{"FolderListedButNotEntered",
                                    [](const TempFolder& out, const fs::path& folder) {
                                        out.Write("t.txt", "B\n");
                                        fs::permissions(folder, kListOnly);
                                    }},
                    UnreachableCase{"TargetIsAHardLinkToIt",
                                    [](const TempFolder& out, const fs::path& folder) {
                                        fs::create_hard_link(folder / "b.txt", out.At("t.txt"));
                                        fs::permissions(folder, kListOnly);
                                    }},
                    UnreachableCase{"LoopOfLinks",
                                    [](const TempFolder& out, const fs::path& folder) {
                                        out.Write("t.txt", "B\n");
                                        fs::remove(folder / "b.txt");
                                        fs::create_symlink("b.txt", folder / "b.txt");
                                    }}),
    [](const testing::TestParamInfo<UnreachableCase>& p) { return p.param.name; });

}  // namespace
}  // namespace kelvane

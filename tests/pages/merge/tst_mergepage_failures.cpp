// Merge runs that fail: a target that can't be written, and sources that can't be reached,
// opened or read. The run stops with the critical message, and the target holds what it held
// before or the whole lines copied before the failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "childprocess.h"
#include "mergepagetest.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Texts = std::vector<std::string>;

const std::string kB = "B1\r\nB2 is long\r\nB3\r\n" + std::string(300, 'x');

// Each case not run as another user runs with the usual buffers, with buffers shorter than a
// line, which write the start of a line out before its end is read, and with buffers that pass
// on a line end together with the start of the long line after it.
TEST_P(FailingRun, StopsWithTheCriticalMessage) {
    const Failure& c = GetParam();
    src.Write("a.txt", "A1\nA2\n");
    src.Write("b.txt", kB);
    src.Write("c.txt", "C\n");
    Rows({"a.txt", "b.txt", "c.txt"});
    const auto run = [&](std::size_t bufferSize) {
        SCOPED_TRACE(bufferSize);
        msgBox.shown.clear();
        files.opened.clear();
        const std::string path = c.arrange(*this);
        if (path.empty()) {
            return false;
        }
        const auto entries = [&] { return std::distance(fs::directory_iterator(out.Path()), {}); };
        const auto before = entries();
        std::optional<std::string> atTheMessage;
        msgBox.onShow = [&](const FakeMsgBox::Shown&) { atTheMessage = Held(path); };
        target.SetText(path);
        msgBox.answers = {MsgBox::Button::Yes};
        Merge(bufferSize);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(msgBox.shown.back().style, MsgBox::Style::Critical);
        EXPECT_EQ(atTheMessage, c.target);
        EXPECT_EQ(Held(path), c.target);
        if (!c.target) {
            EXPECT_EQ(entries(), before);
        }
        if (c.cUnopened) {
            EXPECT_EQ(std::count(files.opened.begin(), files.opened.end(), "c.txt"), 0);
        }
        return true;
    };
    if (c.unprivileged) {
        if (!RunUnprivileged({src.Path(), out.Path()},
                             [&] { run(MergeJob::kDefaultBufferSize); })) {
            GTEST_SKIP() << "root's rights can't be given up here";
        }
        return;
    }
    for (const std::size_t bufferSize :
         {MergeJob::kDefaultBufferSize, std::size_t{3}, std::size_t{32}}) {
        if (!run(bufferSize)) {
            GTEST_SKIP() << "not available on this system";
        }
    }
}

// The faults the file doubles inject, into a run whose target held "old\n".
Failure Injected(const char* name, std::function<void(FaultyFiles&)> inject, std::string held,
                 bool inSource) {
    return {name,
            [inject](MergePageTest& p) {
                inject(p.files);
                return p.out.Write("t.txt", "old\n");
            },
            {kReplace, kFailed},
            held,
            inSource};
}

// A target that can't be made: nothing is.
Failure NotMade(const char* name, std::function<std::string(const TempFolder&)> path) {
    return {name, [path](MergePageTest& p) { return path(p.out); }, {kFailed}, std::nullopt, true};
}

constexpr fs::perms kListOnly = fs::perms::owner_read | fs::perms::owner_write;

const std::string kA = "A1\r\nA2\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingRun,
    testing::Values(
        NotMade("FolderMissing", [](const TempFolder& d) { return d.At("missing/t.txt"); }),
        NotMade("TargetIsAFolder", [](const TempFolder& d) { return d.MakeFolder("t.txt"); }),
        NotMade("UnderAFile",
                [](const TempFolder& d) { return d.Write("file", "keep") + "/t.txt"; }),
        // A device that takes no data: the failure shows only when the data goes out.
        Failure{"FullDisk",
                [](MergePageTest&) {
                    return fs::exists("/dev/full") ? std::string("/dev/full") : std::string();
                },
                {kReplace, kFailed},
                std::nullopt,
                false},
        // As a read-only file refuses to open for writing.
        Injected(
            "TargetCantBeOpened", [](FaultyFiles& f) { f.failOpen = {"t.txt"}; }, "old\n", true),
        Injected(
            "SourceCantBeOpened", [](FaultyFiles& f) { f.failOpen = {"b.txt"}; }, kA, true),
        Injected(
            "SourceFailsAtItsFirstByte", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 0; }, kA,
            true),
        Injected(
            "SourceFailsInsideALine", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 8; },
            kA + "B1\r\n", true),
        Injected(
            "SourceFailsAfterALineEnd", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 4; },
            kA + "B1\r\n", true),
        Injected(
            "SourceFailsInsideALongLine", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 200; },
            kA + "B1\r\nB2 is long\r\nB3\r\n", true),
        // Writing the target fails part way, as on a full disk, or only when it is closed; or
        // even cutting it back to its whole lines fails.
        Injected(
            "DiskFullInsideALine", [](FaultyFiles& f) { f.failWriteAt = 14; }, kA + "B1\r\n",
            false),
        Injected(
            "DiskFullBetweenCrAndLf", [](FaultyFiles& f) { f.failWriteAt = 7; }, "A1\r\n", false),
        Injected(
            "DiskFullAtALineEnd", [](FaultyFiles& f) { f.failWriteAt = 8; }, kA, false),
        Injected(
            "DiskFullAndTheCutFails",
            [](FaultyFiles& f) {
                f.failWriteAt = 14;
                f.failCutOnceWritten = true;
            },
            kA + "B1\r\nB2", false),
        Injected(
            "TargetFailsOnClosing", [](FaultyFiles& f) { f.failClose = true; },
            kA + "B1\r\nB2 is long\r\nB3\r\n" + std::string(300, 'x') + "\r\nC\r\n", false),
        // On the file system, as a user whom its permissions bind.
        Failure{"ReadOnlyTarget",
                [](MergePageTest& p) {
                    const std::string path = p.out.Write("t.txt", "old\n");
                    fs::permissions(path, fs::perms::owner_read);
                    return path;
                },
                {kReplace, kFailed},
                "old\n",
                true,
                true},
        Failure{"UnreadableSource",
                [](MergePageTest& p) {
                    fs::permissions(p.src.At("b.txt"), fs::perms::none);
                    return p.out.At("t.txt");
                },
                {kFailed},
                kA,
                true,
                true},
        // A source that is there but can't be looked at fails the run before the target is
        // touched, even where the target is another name of that source; with as many rows as
        // make the run look them up from the folder's listing.
        Failure{"FolderListedButNotEntered",
                [](MergePageTest& p) {
                    p.MoreRows();
                    fs::permissions(p.src.Path(), kListOnly);
                    return p.out.Write("t.txt", "old\n");
                },
                {kFailed},
                "old\n",
                true,
                true},
        Failure{"TargetIsAHardLinkToAnUnreachableSource",
                [](MergePageTest& p) {
                    p.MoreRows();
                    fs::create_hard_link(p.src.At("b.txt"), p.out.At("t.txt"));
                    fs::permissions(p.src.Path(), kListOnly);
                    return p.out.At("t.txt");
                },
                {kFailed},
                kB,
                true,
                true},
        Failure{"LoopOfLinks",
                [](MergePageTest& p) {
                    p.MoreRows();
                    fs::remove(p.src.At("b.txt"));
                    fs::create_symlink("b.txt", p.src.At("b.txt"));
                    return p.out.Write("t.txt", "old\n");
                },
                {kFailed},
                "old\n",
                true,
                true}),
    CaseName<Failure>);

}  // namespace
}  // namespace kelvane

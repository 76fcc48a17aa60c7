// Merge runs that fail: a target that can't be written, and sources that can't be reached,
// opened or read. The run stops with the critical message, and the target holds what it held
// before or the whole lines copied before the failure. Some runs write the target on a thread of
// its own while the sources are read: gates in the file doubles hold one side until the other
// has got to a chosen point, so that each case takes the same course every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "childprocess.h"
#include "gate.h"
#include "mergepagetest.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string kA = "A1\r\nA2\r\n";
const std::string kB = "B1\r\nB2 is long\r\nB3\r\n" + std::string(300, 'x');

// Each case not run as another user, nor with buffers written behind, runs with the usual
// buffers, with buffers shorter than a line, which write the start of a line out before its end
// is read, and with buffers that pass on a line end together with the start of the long line
// after it.
TEST_P(FailingRun, StopsWithTheCriticalMessage) {
    const Failure& c = GetParam();
    src.Write("a.txt", "A1\nA2\n");
    src.Write("b.txt", kB);
    src.Write("c.txt", "C\n");
    Rows({"a.txt", "b.txt", "c.txt"});
    const auto run = [&](std::size_t bufferSize, std::size_t behind) {
        SCOPED_TRACE(bufferSize);
        msgBox.shown.clear();
        files.opened.clear();
        const std::string path = c.arrange(*this);
        const auto entries = [&] { return std::distance(fs::directory_iterator(out.Path()), {}); };
        const auto before = entries();
        std::optional<std::string> atTheMessage;
        msgBox.onShow = [&](const FakeMsgBox::Shown&) { atTheMessage = Held(path); };
        target.SetText(path);
        msgBox.answers = {MsgBox::Button::Yes};
        Merge(bufferSize, behind);
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
    };
    if (c.unprivileged) {
        if (!RunUnprivileged({src.Path(), out.Path()}, [&] {
                run(MergeJob::kDefaultBufferSize, MergeJob::kDefaultBuffersBehind);
            })) {
            GTEST_SKIP() << "root's rights can't be given up here";
        }
        return;
    }
    if (c.behind != 0) {
        run(4, c.behind);
        return;
    }
    for (const std::size_t bufferSize :
         {MergeJob::kDefaultBufferSize, std::size_t{3}, std::size_t{32}}) {
        run(bufferSize, MergeJob::kDefaultBuffersBehind);
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

// What a case holds the two sides of a run with.
struct Hold {
    Gate first;
    Gate second;
    int reads = 0;
    bool failing = false;
};

// Enough buffers behind that reading never waits for writing: it is held only where a case says.
constexpr std::size_t kManyBehind = 256;

// The first write waits until b.txt has been read to its end, then fails; the read that finds
// the end waits until the failure is known, which is before the target is cut back. So only the
// step to the next source is left to stop at the failure.
std::string WriteFailsAsBEnds(MergePageTest& p) {
    const auto h = std::make_shared<Hold>();
    p.files.onRead = [h](const std::string& name) {
        if (name == "b.txt" && ++h->reads == static_cast<int>(kB.size() / 4) + 1) {
            h->first.Open();
            h->second.Wait();
        }
    };
    p.files.onWrite = [h] {
        h->first.Wait();
        h->failing = true;
        throw FileError("no room left");
    };
    p.files.onCut = [h] {
        if (h->failing) {  // the target is cut when it is opened, too
            h->second.Open();
        }
    };
    return p.out.At("t.txt");
}

// Reading b.txt fails inside its long last line, after 28 bytes read 4 at a time, while the first
// write waits for it: the message waits for the writer.
std::string ReadFailsWhileTheWriterWaits(MergePageTest& p) {
    const auto h = std::make_shared<Hold>();
    p.files.onRead = [h](const std::string& name) {
        if (name == "b.txt" && ++h->reads == 8) {
            h->first.Open();
            throw FileError("unreadable");
        }
    };
    p.files.onWrite = [h] { h->first.Wait(); };
    return p.out.At("t.txt");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingRun,
    testing::Values(
        // A target that can't be made: nothing is.
        Failure{"TargetIsAFolder",
                [](MergePageTest& p) { return p.out.MakeFolder("t.txt"); },
                {kFailed},
                std::nullopt,
                true},
        Injected(
            "SourceCantBeOpened", [](FaultyFiles& f) { f.failOpen = {"b.txt"}; }, kA, true),
        Injected(
            "SourceFailsInsideALine", [](FaultyFiles& f) { f.failReadAt["b.txt"] = 8; },
            kA + "B1\r\n", true),
        // Writing the target fails with a failure of another kind, or only when it is closed.
        Injected(
            "WriteRaisesAnotherError",
            [](FaultyFiles& f) { f.onWrite = [] { throw std::runtime_error("no room left"); }; },
            "", false),
        Injected(
            "TargetFailsOnClosing", [](FaultyFiles& f) { f.failClose = true; },
            kA + kB + "\r\nC\r\n", false),
        // A source that is there but can't be looked at fails the run before the target is
        // touched, as a user whom the file system's permissions bind.
        Failure{"SourceInAFolderThatCantBeEntered",
                [](MergePageTest& p) {
                    fs::permissions(p.src.Path(), fs::perms::owner_read | fs::perms::owner_write);
                    return p.out.Write("t.txt", "old\n");
                },
                {kFailed},
                "old\n",
                true,
                true},
        Failure{"WriteFailsWhileTheNextSourceIsRead",
                WriteFailsAsBEnds,
                {kFailed},
                "",
                true,
                false,
                kManyBehind},
        Failure{"ReadFailsWhileTheWriterIsBusy",
                ReadFailsWhileTheWriterWaits,
                {kFailed},
                kA + "B1\r\nB2 is long\r\nB3\r\n",
                true,
                false,
                kManyBehind}),
    CaseName<Failure>);

}  // namespace
}  // namespace kelvane

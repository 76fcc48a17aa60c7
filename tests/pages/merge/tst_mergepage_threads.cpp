// Merge runs whose target is written on a thread of its own while the sources are read. Gates in
// the file doubles hold one side until the other has got to a chosen point, so that each case
// takes the same course every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "gate.h"
#include "mergepagetest.h"

namespace kelvane {
namespace {

using namespace test;
using Sources = std::vector<std::pair<std::string, std::string>>;  // name and bytes, in row order

// What a case holds the two sides with.
struct Hold {
    Gate first;
    Gate second;
    int reads = 0;
    bool failing = false;
    std::atomic<bool> busy = false;
};

struct Run {
    const char* name;
    Sources sources;
    std::function<void(FaultyFiles&, Hold&)> hold;
    std::size_t buffersBehind;
    std::string expected;  // the target, when the message shows and after the run
    bool fails;
};

class WrittenBehind : public MergePageTest, public testing::WithParamInterface<Run> {};

TEST_P(WrittenBehind, TheTargetHoldsWhatTheSourcesGiveOrTheWholeLinesBeforeAFailure) {
    for (const auto& [name, bytes] : GetParam().sources) {
        src.Write(name, bytes);
        Rows({name});
    }
    target.SetText(out.At("t.txt"));
    Hold hold;
    GetParam().hold(files, hold);
    std::string heldAtTheMessage;
    msgBox.onShow = [&](const FakeMsgBox::Shown&) { heldAtTheMessage = out.Read("t.txt"); };

    Merge(4, GetParam().buffersBehind);  // buffers of a few bytes, so that many are passed on

    EXPECT_EQ(out.Read("t.txt"), GetParam().expected);
    if (!GetParam().fails) {
        EXPECT_TRUE(msgBox.shown.empty());
        return;
    }
    EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
    EXPECT_EQ(heldAtTheMessage, GetParam().expected);
    EXPECT_EQ(std::count(files.opened.begin(), files.opened.end(), "c.txt"), 0);
}

// Enough buffers behind that reading never waits for writing: it is held only where a case says.
constexpr std::size_t kManyBehind = 64;
const Sources kThree = {{"a.txt", "A1\nA2\nA3"}, {"b.txt", "B1\r\nB2\n"}, {"c.txt", "C\n"}};

// The first write waits until the source has been read from `reads` times; that read fails
// when `fails` says so.
std::function<void(FaultyFiles&, Hold&)> WriteWaitsFor(std::string source, int reads, bool fails) {
    return [=](FaultyFiles& f, Hold& h) {
        f.onRead = [=, &h](const std::string& name) {
            if (name == source && ++h.reads == reads) {
                h.first.Open();
                if (fails) {
                    throw FileError("unreadable");
                }
            }
        };
        f.onWrite = [&h] { h.first.Wait(); };
    };
}

// The first write waits until b.txt has been read to its end, then fails; the read that finds
// the end waits until the failure is known, which is before the target is cut back. So only the
// step to the next source is left to stop at the failure.
template <typename Error>
void WriteFailsAsBEnds(FaultyFiles& f, Hold& h) {
    f.onRead = [&h](const std::string& name) {
        if (name == "b.txt" && ++h.reads == 3) {  // 8 bytes, 4 at a time, then the end
            h.first.Open();
            h.second.Wait();
        }
    };
    f.onWrite = [&h] {
        h.first.Wait();
        h.failing = true;
        throw Error("no room left");
    };
    f.onCut = [&h] {
        if (h.failing) {  // the target is cut when it is opened, too
            h.second.Open();
        }
    };
}

// b.txt is read once a piece is being written behind, and that write waits a while for a write
// on the run's own thread, which a run makes only once it has waited for the writing behind. One
// that writes while the piece is still being written fails.
void RunWritesOnlyOnceThePieceBehindIsWritten(FaultyFiles& f, Hold& h) {
    f.onRead = [&h](const std::string& name) {
        if (name == "b.txt") {
            h.first.Wait();
        }
    };
    f.onWrite = [&h, run = std::this_thread::get_id()] {
        if (std::this_thread::get_id() != run) {
            h.busy = true;
            h.first.Open();
            h.second.WaitAWhile();
            h.busy = false;
        } else if (h.busy) {
            h.second.Open();
            throw FileError("written while a piece is being written");
        }
    };
}

// Tiny sources, every other one without a line end, through a single buffer behind.
Run ManyTinySources() {
    Run run{"ManyTinySources", {}, [](FaultyFiles&, Hold&) {}, 1, "", false};
    for (int i = 0; i < 300; ++i) {
        run.sources.emplace_back(std::to_string(i), std::to_string(i) + (i % 2 ? "" : "\n"));
        run.expected += std::to_string(i) + "\r\n";
    }
    return run;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrittenBehind,
    testing::Values(
        // a.txt and b.txt end while all their buffers wait to be written.
        Run{"SourcesEndWhileTheirBuffersWait", kThree, WriteWaitsFor("c.txt", 1, false),
            kManyBehind, "A1\r\nA2\r\nA3\r\nB1\r\nB2\r\nC\r\n", false},
        ManyTinySources(),
        // One buffer passed on, "A1\r\nA", and the rest written when the run ends.
        Run{"TheLastBufferWaitsForThePieceBeingWritten",
            {{"a.txt", "A1\nA2\n"}, {"b.txt", "B\n"}},
            RunWritesOnlyOnceThePieceBehindIsWritten,
            kManyBehind,
            "A1\r\nA2\r\nB\r\n",
            false},
        Run{"WriteFailsWhileTheNextSourceIsRead", kThree, WriteFailsAsBEnds<FileError>, kManyBehind,
            "", true},
        Run{"WriteRaisesAnotherError", kThree, WriteFailsAsBEnds<std::runtime_error>, kManyBehind,
            "", true},
        // Inside a long line, after 28 bytes read 4 at a time; the message waits for the writer.
        Run{"ReadFailsWhileTheWriterIsBusy",
            {{"a.txt", "A1\nA2\n"}, {"b.txt", "B1\n" + std::string(40, 'x')}, {"c.txt", "C\n"}},
            WriteWaitsFor("b.txt", 8, true),
            kManyBehind,
            "A1\r\nA2\r\nB1\r\n",
            true}),
    CaseName<Run>);

}  // namespace
}  // namespace kelvane

// Merge runs whose target is written on a thread of its own while the sources are read. Gates in
// the file doubles hold one side at a chosen point until the other has got to its own, so that
// each case takes the same course every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "gate.h"
#include "mergeruntest.h"

namespace kelvane {
namespace {

using namespace test;

// Buffers of a few bytes, and enough of them to write behind that the reading side never waits
// for the writing side: it is held only where a case says.
constexpr std::size_t kSmallBuffers = 4;
constexpr std::size_t kManyBehind = 64;

struct Run {
    const char* name;
    std::vector<std::pair<std::string, std::string>> sources;  // file name, bytes; listed in turn
    // Holds the sides at their gates through the hooks of the files.
    std::function<void(FaultyFiles&, Gate&, Gate&)> hold;
    std::size_t buffersBehind;
    std::string expected;  // the target, when the message shows and after the run
    bool fails;
};

void PrintTo(const Run& c, std::ostream* os) {
    *os << c.name;
}

class WrittenBehind : public MergeRunTest, public testing::WithParamInterface<Run> {};

TEST_P(WrittenBehind, TheTargetHoldsWhatTheSourcesGiveOrWholeLinesBeforeAFailure) {
    for (const auto& [name, bytes] : GetParam().sources) {
        src.Write(name, bytes);
        Rows({name});
    }
    target.SetText(out.At("t.txt"));
    Gate first;
    Gate second;
    GetParam().hold(files, first, second);
    std::string heldAtTheMessage;
    msgBox.onShow = [&](const FakeMsgBox::Shown&) { heldAtTheMessage = out.Read("t.txt"); };

    Merge(kSmallBuffers, GetParam().buffersBehind);

    if (GetParam().fails) {
        EXPECT_EQ(Shown(), std::vector<std::string>{kFailed});
        EXPECT_EQ(heldAtTheMessage, GetParam().expected);
        // Nothing was read past the failure: the last source was never opened.
        EXPECT_EQ(std::count(files.opened.begin(), files.opened.end(), "c.txt"), 0);
    } else {
        EXPECT_TRUE(msgBox.shown.empty());
    }
    EXPECT_EQ(out.Read("t.txt"), GetParam().expected);
}

void Nothing(FaultyFiles&, Gate&, Gate&) {}

// The first write waits until the named source is being read.
std::function<void(FaultyFiles&, Gate&, Gate&)> WriteWaitsFor(const std::string& source) {
    return [source](FaultyFiles& f, Gate& reading, Gate&) {
        f.onRead = [source, &reading](const std::string& name) {
            if (name == source) {
                reading.Open();
            }
        };
        f.onWrite = [&reading](std::string_view) { reading.Wait(); };
    };
}

// The first write waits until b.txt has been read to its end, then fails with `Failure`; the
// read that finds the end waits until the failure is known, which is before the target is cut
// back. So only the step to the next source is left to stop at the failure.
template <typename Failure>
void WriteFailsWhileBIsRead(FaultyFiles& f, Gate& reading, Gate& known) {
    f.onRead = [&reading, &known, reads = 0](const std::string& name) mutable {
        if (name == "b.txt" && ++reads == 3) {  // 8 bytes, 4 at a time, then the end
            reading.Open();
            known.Wait();
        }
    };
    const auto failing = std::make_shared<bool>(false);  // the target is cut when opened too
    f.onWrite = [&reading, failing](std::string_view) {
        reading.Wait();
        *failing = true;
        throw Failure("no room left");
    };
    f.onCut = [&known, failing] {
        if (*failing) {
            known.Open();
        }
    };
}

// The first write waits until reading b.txt has failed, inside a line whose start has been
// passed on to be written: the message waits until the writer has stopped, and the target holds
// the lines before it.
void ReadFailsWhileWriting(FaultyFiles& f, Gate& failed, Gate&) {
    f.onRead = [&failed, reads = 0](const std::string& name) mutable {
        if (name == "b.txt" && ++reads == 8) {  // after 28 bytes, 4 at a time
            failed.Open();
            throw FileError("unreadable");
        }
    };
    f.onWrite = [&failed](std::string_view) { failed.Wait(); };
}

std::vector<std::pair<std::string, std::string>> TinySources(int count) {
    std::vector<std::pair<std::string, std::string>> sources;
    for (int i = 0; i < count; ++i) {
        sources.emplace_back("s" + std::to_string(i) + ".txt",
                             std::to_string(i) + (i % 2 == 0 ? "\n" : ""));
    }
    return sources;
}

std::string TinyTarget(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += std::to_string(i) + "\r\n";
    }
    return bytes;
}

const std::vector<std::pair<std::string, std::string>> kThree = {
    {"a.txt", "A1\nA2\nA3"}, {"b.txt", "B1\r\nB2\n"}, {"c.txt", "C\n"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, WrittenBehind,
    testing::Values(Run{"SourcesEndWhileTheWriterHoldsTheirBuffers", kThree, WriteWaitsFor("c.txt"),
                        kManyBehind, "A1\r\nA2\r\nA3\r\nB1\r\nB2\r\nC\r\n", false},
                    Run{"ManyTinySourcesThroughOneBufferBehind", TinySources(300), Nothing, 1,
                        TinyTarget(300), false},
                    Run{"NothingListed", {}, Nothing, kManyBehind, "", false},
                    Run{"WriteFailsWhileTheNextSourceIsRead", kThree,
                        WriteFailsWhileBIsRead<FileError>, kManyBehind, "", true},
                    Run{"WriteRaisesAnotherError", kThree,
                        WriteFailsWhileBIsRead<std::runtime_error>, kManyBehind, "", true},
                    Run{"ReadFailsWhileTheWriterIsBusy",
                        {{"a.txt", "A1\nA2\n"},
                         {"b.txt", "B1\n" + std::string(40, 'x') + "\n"},
                         {"c.txt", "C\n"}},
                        ReadFailsWhileWriting,
                        kManyBehind,
                        "A1\r\nA2\r\nB1\r\n",
                        true}),
    [](const testing::TestParamInfo<Run>& p) { return p.param.name; });

}  // namespace
}  // namespace kelvane

#include "engine/textwriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>

#include "engine/fileerror.h"
#include "faultyfiles.h"
#include "gate.h"

namespace kelvane {
namespace {

using test::MemoryFile;

// A write that fails part way, as on a full disk, leaves the file cut back to its last whole
// line where it can be cut, and nothing is written after it; whether the buffers are written on
// the caller's thread or behind.
TEST(TextWriter, AFailedWriteLeavesWholeLinesAndIsNotTriedAgain) {
    const struct {
        const char* what;
        std::size_t failAt;
        bool cuttable;
        bool failCut;
        std::string kept;
    } cases[] = {
        {"inside a line", 14, true, false, "A1\r\nA2\r\nB1\r\n"},
        {"between CR and LF", 7, true, false, "A1\r\n"},
        {"at a line end", 8, true, false, "A1\r\nA2\r\n"},
        {"before any line end", 1, true, false, ""},
        {"a pipe, which can't be cut", 14, false, false, "A1\r\nA2\r\nB1\r\nB2"},
        {"the cut fails", 14, true, true, "A1\r\nA2\r\nB1\r\nB2"},
    };
    for (const auto& c : cases) {
        for (const std::size_t behind : {0, 2}) {
            SCOPED_TRACE(testing::Message() << c.what << ", behind " << behind);
            MemoryFile target;
            target.writeLimit = c.failAt;
            target.cuttable = c.cuttable;
            target.failCut = c.failCut;
            {
                TextWriter out(target.Ref(), 8, behind);
                EXPECT_THROW(
                    {
                        out.Write("A1\r\nA2\r\n");
                        out.Write("B1\r\nB2 is long\r\n");
                        out.Close();
                    },
                    FileError);
                const int writes = target.writes;
                EXPECT_THROW(out.Close(), FileError);
                EXPECT_EQ(target.writes, writes);
            }
            EXPECT_EQ(target.written, c.kept);
        }
    }
}

// Data still held when the file is closed goes out then; a failure there is reported.
TEST(TextWriter, CloseReportsFailuresOfTheLastWrite) {
    MemoryFile full;
    full.writeLimit = 0;
    TextWriter out(full.Ref(), 64);
    out.Write("held until closed\r\n");
    EXPECT_EQ(full.writes, 0);
    EXPECT_THROW(out.Close(), FileError);

    MemoryFile refusing;
    refusing.failClose = true;
    TextWriter other(refusing.Ref(), 64);
    other.Write("x\r\n");
    EXPECT_THROW(other.Close(), FileError);
    EXPECT_EQ(refusing.written, "x\r\n");
}
// The last buffer goes out on the caller's thread only once the piece being written behind is
// written: written at once, it would land before that piece.
TEST(TextWriter, TheLastBufferWaitsForThePieceBeingWritten) {
    MemoryFile target;
    test::Gate writing;
    target.onWrite = [&writing, caller = std::this_thread::get_id()] {
        if (std::this_thread::get_id() != caller) {
            writing.Open();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    };
    TextWriter out(target.Ref(), 4, 2);
    out.Write("A1\r\nA2");  // passes "A1\r\n" on, and holds "A2"
    writing.Wait();
    out.Close();
    EXPECT_EQ(target.written, "A1\r\nA2");
}

// Full buffers wait behind the one being written. A line cut short, as by a failed read, is taken
// back from them before any of it goes out, even to a file that can't be cut back.
TEST(TextWriter, APartLineWaitingBehindIsTakenBackBeforeItGoesOut) {
    MemoryFile pipe;
    pipe.cuttable = false;
    test::Gate gate;
    pipe.onWrite = [&gate] { gate.Wait(); };
    {
        TextWriter out(pipe.Ref(), 8, 16);
        out.Write("one\r\n");
        out.Write("two\r\nthree, cut short");  // passes on two buffers more after "one\r\ntwo"
        out.DropPartLine();
        gate.Open();
        out.Close();
    }
    EXPECT_EQ(pipe.written, "one\r\ntwo\r\n");
}

}  // namespace
}  // namespace kelvane

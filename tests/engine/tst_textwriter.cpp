#include "engine/textwriter.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>

#include "engine/fileerror.h"
#include "faultyfiles.h"
#include "gate.h"

namespace kelvane {
namespace {

using test::MemoryFile;

// A write that fails part way leaves the file cut back to its last whole line, and nothing is
// written after it.
TEST(TextWriter, AFailedWriteIsNotTriedAgain) {
    MemoryFile target;
    target.writeLimit = 5;
    {
        TextWriter out(target.Ref(), 4);
        out.Write("ab\r\n");
        EXPECT_THROW(out.Write("cdef\r\n"), FileError);
        const int writes = target.writes;
        EXPECT_THROW(out.Close(), FileError);
        EXPECT_EQ(target.writes, writes);
    }
    EXPECT_EQ(target.written, "ab\r\n");
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

TEST(TextWriter, LettingGoWritesOutWhatIsHeld) {
    MemoryFile target;
    {
        TextWriter out(target.Ref(), 64);
        out.Write("kept\r\n");
    }
    EXPECT_EQ(target.written, "kept\r\n");
    EXPECT_EQ(target.closes, 0);  // the handle is let go without a close to report
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

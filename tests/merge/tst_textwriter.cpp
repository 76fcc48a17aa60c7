#include "merge/textwriter.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "memoryfile.h"
#include "merge/fileerror.h"

namespace kelvane {
namespace {

using test::MemoryFile;
using test::MemoryFileRef;

TextWriter Writer(MemoryFile& file, std::size_t bufferSize) {
    return TextWriter(std::make_unique<MemoryFileRef>(file), bufferSize);
}

// A write that fails part way, as on a full disk: the file is cut back to its last whole line,
// wherever the failure falls; a file that can't be cut keeps what went out, and so does one
// whose cut fails. Nothing is written after the failure.
struct WriteFault {
    const char* name;
    std::size_t bufferSize;
    std::vector<std::string> lines;
    std::size_t writeLimit;
    std::function<void(MemoryFile&)> arrange;
    std::string expected;
};

void PrintTo(const WriteFault& c, std::ostream* os) {
    *os << c.name;
}

class FailedWrite : public testing::TestWithParam<WriteFault> {};

TEST_P(FailedWrite, LeavesOnlyWholeLines) {
    const WriteFault& c = GetParam();
    MemoryFile target;
    target.writeLimit = c.writeLimit;
    if (c.arrange) {
        c.arrange(target);
    }
    {
        TextWriter out = Writer(target, c.bufferSize);
        EXPECT_THROW(
            {
                for (const auto& line : c.lines) {
                    out.WriteLine(line);
                }
                out.Close();
            },
            FileError);
        const int writes = target.writes;
        EXPECT_THROW(
            {
                out.WriteLine("more");
                out.Close();
            },
            FileError);
        EXPECT_EQ(target.writes, writes) << "written after the failure";
    }
    EXPECT_EQ(target.written, c.expected);
}

const std::vector<std::string> kLines = {"one", "two", "three"};

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedWrite,
    testing::Values(WriteFault{"InsideALine", 64, kLines, 7, nullptr, "one\r\n"},
                    WriteFault{"BetweenCrAndLf", 64, kLines, 9, nullptr, "one\r\n"},
                    WriteFault{"AtALineEnd", 64, kLines, 10, nullptr, "one\r\ntwo\r\n"},
                    WriteFault{"BeforeTheFirstLineEnd", 64, kLines, 2, nullptr, ""},
                    WriteFault{"InALaterBuffer", 4, kLines, 13, nullptr, "one\r\ntwo\r\n"},
                    WriteFault{"AfterALongLineWentOutInPieces",
                               4,
                               {"ok", "a long line of text"},
                               15,
                               nullptr,
                               "ok\r\n"},
                    WriteFault{"IntoAPipe", 64, kLines, 9,
                               [](MemoryFile& f) { f.cuttable = false; }, "one\r\ntwo\r"},
                    WriteFault{"AndTheCutFails", 64, kLines, 9,
                               [](MemoryFile& f) { f.failTruncate = true; }, "one\r\ntwo\r"}),
    [](const testing::TestParamInfo<WriteFault>& p) { return p.param.name; });

TEST(TextWriter, AFailedWriteIsNotTriedAgain) {
    MemoryFile target;
    target.writeLimit = 5;
    {
        TextWriter out = Writer(target, 4);
        out.WriteLine("ab");
        EXPECT_THROW(out.WriteLine("cdef"), FileError);
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
    TextWriter out = Writer(full, 64);
    out.WriteLine("held until closed");
    EXPECT_EQ(full.writes, 0);
    EXPECT_THROW(out.Close(), FileError);

    MemoryFile refusing;
    refusing.failClose = true;
    TextWriter other = Writer(refusing, 64);
    other.WriteLine("x");
    EXPECT_THROW(other.Close(), FileError);
    EXPECT_EQ(refusing.written, "x\r\n");
}

TEST(TextWriter, LettingGoWritesOutWhatIsHeld) {
    MemoryFile target;
    {
        TextWriter out = Writer(target, 64);
        out.WriteLine("kept");
    }
    EXPECT_EQ(target.written, "kept\r\n");
    EXPECT_EQ(target.closes, 0);  // the handle is let go without a close to report
}

}  // namespace
}  // namespace kelvane

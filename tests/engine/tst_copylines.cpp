#include "engine/copylines.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/fileerror.h"
#include "memoryfile.h"

namespace kelvane {
namespace {

using test::MemoryFile;
using test::MemoryFileRef;

// How the lines of a file are meant to be read: CR LF and LF end a line, a lone CR is a
// character, and a last line without a line end counts.
std::vector<std::string> ModelLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : bytes) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::string ModelCopy(const std::string& bytes) {
    std::string out;
    for (const auto& line : ModelLines(bytes)) {
        out += line + "\r\n";
    }
    return out;
}

TextReader Reader(MemoryFile& file, std::size_t bufferSize) {
    return TextReader(std::make_unique<MemoryFileRef>(file), bufferSize);
}

TextWriter Writer(MemoryFile& file, std::size_t bufferSize) {
    return TextWriter(std::make_unique<MemoryFileRef>(file), bufferSize);
}

std::string CopyAllLines(MemoryFile& source, std::size_t inSize, std::size_t outSize) {
    MemoryFile target;
    {
        TextReader in = Reader(source, inSize);
        TextWriter out = Writer(target, outSize);
        CopyLines(in, out);
        out.Close();
    }
    return target.written;
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class LineEnds : public testing::TestWithParam<LineCase> {};

TEST_P(LineEnds, EachLineIsCopiedEndedByCrLf) {
    const LineCase& c = GetParam();
    std::string expected;
    for (const auto& line : c.lines) {
        expected += line + "\r\n";
    }
    for (const std::size_t size : {1, 2, 3, 64}) {
        MemoryFile source;
        source.content = c.bytes;
        EXPECT_EQ(CopyAllLines(source, size, size), expected) << "buffer " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineEnds,
    testing::Values(LineCase{"Empty", "", {}}, LineCase{"OnlyCrLf", "\r\n", {""}},
                    LineCase{"OnlyLf", "\n", {""}}, LineCase{"NoFinalEnd", "A\r\nB", {"A", "B"}},
                    LineCase{"FinalEndAddsNoLine", "A\nB\n", {"A", "B"}},
                    LineCase{"MixedEnds", "A\r\nB\nC\r\n", {"A", "B", "C"}},
                    LineCase{"LoneCrIsACharacter", "A\rB\n", {"A\rB"}},
                    LineCase{"LastLineEndsInCr", "A\nB\r", {"A", "B\r"}},
                    LineCase{"OnlyCr", "\r", {"\r"}}, LineCase{"CrCrLf", "A\r\r\n", {"A\r"}},
                    LineCase{"LfCr", "\n\r", {"", "\r"}},
                    LineCase{"EmptyLines", "\n\r\n\n", {"", "", ""}},
                    LineCase{"RawBytes",
                             std::string("\xEF\xBB\xBFx\0y\x1A\xFF\xC3(", 10) + "\n",
                             {std::string("\xEF\xBB\xBFx\0y\x1A\xFF\xC3(", 10)}}),
    [](const testing::TestParamInfo<LineCase>& p) { return p.param.name; });

// Random files of line ends and a few other bytes, read in random pieces through small
// buffers, so that CR and LF fall on every kind of boundary.
TEST(CopyLinesRandom, MatchesTheModel) {
    std::mt19937 random(20240611);
    const std::string alphabet("\r\n\r\na\0\xFF", 7);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(std::uniform_int_distribution<int>(0, 60)(random), ' ');
        for (char& c : bytes) {
            c = alphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    alphabet.size() - 1)(random)];
        }
        std::vector<std::size_t> pieces(4);
        for (auto& piece : pieces) {
            piece = std::uniform_int_distribution<std::size_t>(1, 5)(random);
        }
        const std::size_t inSize = std::uniform_int_distribution<std::size_t>(1, 7)(random);
        const std::size_t outSize = std::uniform_int_distribution<std::size_t>(1, 7)(random);
        SCOPED_TRACE(testing::Message()
                     << "round " << round << " in " << inSize << " out " << outSize);

        MemoryFile source;
        source.content = bytes;
        source.pieces = pieces;
        EXPECT_EQ(CopyAllLines(source, inSize, outSize), ModelCopy(bytes));
    }
}

// Longer random files, with lines short and long, copied whole: the bulk copy works through
// many bytes at a time, so it needs lines and buffers longer than the ones above.
TEST(CopyLinesRandom, LongLinesMatchTheModel) {
    std::mt19937 random(77);
    for (int round = 0; round < 1500; ++round) {
        std::string bytes;
        const int lines = std::uniform_int_distribution<int>(0, 30)(random);
        for (int i = 0; i < lines; ++i) {
            const int length = std::uniform_int_distribution<int>(0, 1)(random) != 0
                                   ? std::uniform_int_distribution<int>(0, 8)(random)
                                   : std::uniform_int_distribution<int>(0, 200)(random);
            for (int j = 0; j < length; ++j) {
                const int kind = std::uniform_int_distribution<int>(0, 19)(random);
                bytes += kind == 0 ? '\r' : kind == 1 ? '\0' : static_cast<char>('a' + kind);
            }
            const int end = std::uniform_int_distribution<int>(0, 3)(random);
            bytes += end == 0 ? "\r\n" : end == 1 ? "\r" : "\n";
        }
        if (!bytes.empty() && std::uniform_int_distribution<int>(0, 2)(random) == 0) {
            bytes.pop_back();  // often no line end at the very end
        }
        const auto size = [&](std::size_t most) {
            return std::uniform_int_distribution<std::size_t>(1, most)(random);
        };
        MemoryFile source;
        source.content = bytes;
        source.pieces = {size(300), size(40), size(300)};
        const std::size_t inSize = size(round % 3 == 0 ? 8 : 400);
        const std::size_t outSize = size(round % 2 == 0 ? 8 : 400);
        SCOPED_TRACE(testing::Message()
                     << "round " << round << " in " << inSize << " out " << outSize);
        EXPECT_EQ(CopyAllLines(source, inSize, outSize), ModelCopy(bytes));
    }
}

// A line longer than both buffers goes out in pieces; the memory used doesn't grow with it.
TEST(CopyLines, CopiesALineLongerThanTheBuffers) {
    MemoryFile source;
    source.content = std::string(10000, 'x') + "\r" + std::string(5000, 'y') + "\r\nz";
    MemoryFile target;
    {
        TextReader in = Reader(source, 64);
        TextWriter out = Writer(target, 100);
        CopyLines(in, out);
        EXPECT_GT(target.writes, 100);  // written out while the line was still being read
        out.Close();
    }
    EXPECT_EQ(target.written,
              std::string(10000, 'x') + "\r" + std::string(5000, 'y') + "\r\nz\r\n");
}

TEST(CopyLines, ReadFailureMidLineDropsTheHeldPartOfTheLine) {
    MemoryFile source;
    source.content = "one\ntwo\nthree\n";
    source.readLimit = 10;  // fails inside "three"
    MemoryFile target;
    {
        TextReader in = Reader(source, 4);
        TextWriter out = Writer(target, 64);
        EXPECT_THROW(CopyLines(in, out), FileError);
    }
    // Written out when the writer let go.
    EXPECT_EQ(target.written, "one\r\ntwo\r\n");
}

// Part of a line too long for the target's buffer is out in the file before reading fails:
// a file is cut back to the lines before it. What went into a pipe stays there; the rest of
// the part that was held goes.
TEST(CopyLines, ReadFailureInALongLineTakesItsStartBack) {
    for (const bool cuttable : {true, false}) {
        SCOPED_TRACE(cuttable ? "file" : "pipe");
        MemoryFile source;
        source.content = "ok\n" + std::string(100, 'x') + "\n";
        source.readLimit = 50;
        MemoryFile target;
        target.cuttable = cuttable;
        {
            TextReader in = Reader(source, 8);
            TextWriter out = Writer(target, 16);
            EXPECT_THROW(CopyLines(in, out), FileError);
        }
        if (cuttable) {
            EXPECT_EQ(target.written, "ok\r\n");
            continue;
        }
        ASSERT_GT(target.written.size(), 4u);
        EXPECT_EQ(target.written.substr(0, 4), "ok\r\n");
        EXPECT_LE(target.written.size(), 4u + 47u);
        EXPECT_EQ(target.written.find_first_not_of('x', 4), std::string::npos);
    }
}

}  // namespace
}  // namespace kelvane

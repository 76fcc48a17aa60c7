#include "engine/copylines.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/fileerror.h"
#include "faultyfiles.h"

namespace kelvane {
namespace {

using test::MemoryFile;

// How a file is meant to be copied: CR LF and LF end a line, a lone CR is a character, a last
// line without a line end counts, and each line goes out ended by CR LF.
std::string ModelCopy(const std::string& bytes) {
    std::string copy;
    std::string line;
    for (const char c : bytes) {
        if (c != '\n') {
            line += c;
            continue;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        copy += line + "\r\n";
        line.clear();
    }
    return line.empty() ? copy : copy + line + "\r\n";
}

std::string CopyAllLines(MemoryFile& source, std::size_t inSize, std::size_t outSize,
                         std::size_t behind = 0) {
    MemoryFile target;
    {
        TextReader in(source.Ref(), inSize);
        TextWriter out(target.Ref(), outSize, behind);
        CopyLines(in, out);
        out.Close();
    }
    return target.written;
}

// Each line copied ended by CR LF, whatever the buffers' sizes.
TEST(CopyLines, EndsEachLineWithCrLf) {
    const struct {
        const char* what;
        std::string bytes;
        std::string copy;
    } cases[] = {
        {"empty", "", ""},
        {"only CR LF", "\r\n", "\r\n"},
        {"only LF", "\n", "\r\n"},
        {"no final end", "A\r\nB", "A\r\nB\r\n"},
        {"a final end adds no line", "A\nB\n", "A\r\nB\r\n"},
        {"mixed ends", "A\r\nB\nC\r\n", "A\r\nB\r\nC\r\n"},
        {"a lone CR is a character", "A\rB\n", "A\rB\r\n"},
        {"the last line ends in CR", "A\nB\r", "A\r\nB\r\r\n"},
        {"only CR", "\r", "\r\r\n"},
        {"CR CR LF", "A\r\r\n", "A\r\r\n"},
        {"LF CR", "\n\r", "\r\n\r\r\n"},
        {"empty lines", "\n\r\n\n", "\r\n\r\n\r\n"},
        {"raw bytes", std::string("\xEF\xBB\xBFx\0y\x1A\xFF\xC3(\n", 11),
         std::string("\xEF\xBB\xBFx\0y\x1A\xFF\xC3(\r\n", 12)},
    };
    for (const auto& c : cases) {
        for (const std::size_t size : {1, 2, 3, 64}) {
            MemoryFile source;
            source.content = c.bytes;
            EXPECT_EQ(CopyAllLines(source, size, size), c.copy) << c.what << ", buffer " << size;
        }
    }
}

// Random files of lines short and long, with CR, LF and other bytes inside them and at their
// ends, read in random pieces. Short files of line-end bytes go through buffers of a few bytes,
// so that CR and LF fall on every kind of boundary; longer lines through buffers longer than
// them, too, as the bulk copy works through many bytes at a time. Some rounds write
// behind, through a single buffer that waits while the other is written.
TEST(CopyLines, RandomFilesMatchTheModel) {
    std::mt19937 random(20240611);
    const auto draw = [&](std::size_t most) {
        return std::uniform_int_distribution<std::size_t>(0, most)(random);
    };
    for (int round = 0; round < 4000; ++round) {
        const bool small = round % 2 == 0;
        std::string bytes;
        for (std::size_t lines = draw(small ? 15 : 30); lines > 0; --lines) {
            for (std::size_t length = draw(draw(1) != 0 ? (small ? 2 : 8) : 200); length > 0;
                 --length) {
                const std::size_t kind = draw(small ? 3 : 19);
                bytes += kind < 3 ? "\r\0\xFF"[kind] : char('a' + kind);
            }
            bytes += std::array{"\r\n", "\r", "\n", "\n"}[draw(3)];
        }
        if (!bytes.empty() && draw(2) == 0) {
            bytes.pop_back();  // often no line end at the very end
        }
        const auto size = [&](std::size_t most) { return 1 + draw(most - 1); };
        MemoryFile source;
        source.content = bytes;
        source.pieces = {size(small ? 5 : 300), size(small ? 5 : 40), size(small ? 5 : 300)};
        const std::size_t inSize = size(small || round % 3 == 1 ? 7 : 400);
        const std::size_t outSize = size(small || round % 4 == 1 ? 7 : 400);
        SCOPED_TRACE(testing::Message()
                     << "round " << round << " in " << inSize << " out " << outSize);
        EXPECT_EQ(CopyAllLines(source, inSize, outSize, round % 8 == 3), ModelCopy(bytes));
    }
}

// A line longer than both buffers goes out in pieces; the memory used doesn't grow with it.
TEST(CopyLines, CopiesALineLongerThanTheBuffers) {
    MemoryFile source;
    source.content = std::string(10000, 'x') + "\r" + std::string(5000, 'y') + "\r\nz";
    MemoryFile target;
    {
        TextReader in(source.Ref(), 64);
        TextWriter out(target.Ref(), 100);
        CopyLines(in, out);
        EXPECT_GT(target.writes, 100);  // written out while the line was still being read
        out.Close();
    }
    EXPECT_EQ(target.written,
              std::string(10000, 'x') + "\r" + std::string(5000, 'y') + "\r\nz\r\n");
}

// A read that fails inside a line takes back the part of it copied. Held in the target's buffer,
// or in buffers waiting to be written behind, it goes. Too long for those, it is out in the file
// before reading fails, and a file is cut back to the lines before it; what went into a pipe
// stays there, the rest of it goes.
TEST(CopyLines, AReadFailureInsideALineTakesItsStartBack) {
    const std::string longLine = "ok\n" + std::string(100, 'x') + "\n";
    const struct {
        const char* what;
        std::string content;
        std::size_t failAt;
        std::size_t inSize;
        std::size_t outSize;
        std::size_t behind;
        bool cuttable;
        std::string kept;
    } cases[] = {
        {"held", "one\ntwo\nthree\n", 10, 4, 64, 0, true, "one\r\ntwo\r\n"},
        {"after a line end", "one\ntwo\n", 4, 4, 64, 0, true, "one\r\n"},
        {"at the first byte", "one\n", 0, 4, 64, 0, true, ""},
        {"waiting behind", "one\ntwo\nthree\n", 10, 4, 4, 8, true, "one\r\ntwo\r\n"},
        {"out in a file", longLine, 50, 8, 16, 0, true, "ok\r\n"},
        {"out in a file, written behind", longLine, 50, 8, 16, 2, true, "ok\r\n"},
        {"out in a pipe", longLine, 50, 8, 16, 0, false, "ok\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryFile source;
        source.content = c.content;
        source.readLimit = c.failAt;
        MemoryFile target;
        target.cuttable = c.cuttable;
        {
            TextReader in(source.Ref(), c.inSize);
            TextWriter out(target.Ref(), c.outSize, c.behind);
            EXPECT_THROW(CopyLines(in, out), FileError);
        }  // what is held is written out when the writer lets go
        if (c.cuttable) {
            EXPECT_EQ(target.written, c.kept);
            continue;
        }
        ASSERT_GT(target.written.size(), c.kept.size());
        EXPECT_EQ(target.written.substr(0, c.kept.size()), c.kept);
        EXPECT_LE(target.written.size(), c.kept.size() + 47u);
        EXPECT_EQ(target.written.find_first_not_of('x', c.kept.size()), std::string::npos);
    }
}

}  // namespace
}  // namespace kelvane

// The line-end copy, the same cases through every way of doing it that this processor has. A way
// it lacks is skipped with a message naming it.
#include "engine/lineends.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

namespace kelvane {

void PrintTo(LineEndMethod method, std::ostream* os) {
    *os << LineEndMethodName(method);
}

namespace {

// What the copy must give: a CR before every LF that has none, every other byte unchanged.
std::string Model(const std::string& in, bool crBefore) {
    std::string out;
    char previous = crBefore ? '\r' : '\0';
    for (const char c : in) {
        if (c == '\n' && previous != '\r') {
            out += '\r';
        }
        out += c;
        previous = c;
    }
    return out;
}

class LineEndCopy : public testing::TestWithParam<LineEndMethod> {
  protected:
    void SetUp() override {
        if (!CanCopyLineEnds(GetParam())) {
            GTEST_SKIP() << "this processor can't copy line ends " << LineEndMethodName(GetParam());
        }
    }

    // Copies `in` the way under test and checks it against the model.
    void Check(const std::string& in, bool crBefore) {
        std::string out(2 * in.size(), '?');
        bool cr = crBefore;
        bool lfSeen = false;
        out.resize(CopyLineEnds(GetParam(), in.data(), in.size(), out.data(), cr, lfSeen));
        EXPECT_EQ(out, Model(in, crBefore));
        EXPECT_EQ(cr, in.empty() ? crBefore : in.back() == '\r');
        EXPECT_EQ(lfSeen, in.find('\n') != std::string::npos);
    }
};

// Line ends where the blocks meet and at the edges of the call, and more lone LFs in a block
// than its fast path takes; then random text long enough for the 64-byte blocks, with line ends
// of every kind placed densely (several in one block, at a block's first and last byte) or
// sparsely (blocks without any).
TEST_P(LineEndCopy, MatchesTheModel) {
    std::string edges(300, 'x');
    Check("\n" + edges, true);  // the CR before the call
    edges[63] = '\r';           // CR LF across two blocks
    edges[64] = '\n';
    edges[1] = edges[20] = edges[62] = '\n';  // three lone LFs in one block
    Check(edges, false);
    Check(std::string(300, '\n'), false);
    Check(std::string(300, '\r'), true);

    std::mt19937 random(1234);
    for (int round = 0; round < 2000; ++round) {
        const std::size_t size = std::uniform_int_distribution<std::size_t>(0, 700)(random);
        const int density = std::uniform_int_distribution<int>(1, 200)(random);
        std::string in(size, 'x');
        for (char& c : in) {
            const int draw = std::uniform_int_distribution<int>(0, density)(random);
            c = draw == 0 ? '\n' : draw == 1 ? '\r' : static_cast<char>('a' + draw % 26);
        }
        SCOPED_TRACE(testing::Message() << "round " << round << " size " << size);
        Check(in, round % 3 == 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, LineEndCopy, testing::ValuesIn(kLineEndMethods),
                         [](const testing::TestParamInfo<LineEndMethod>& p) {
                             return std::string(LineEndMethodName(p.param));
                         });

}  // namespace
}  // namespace kelvane

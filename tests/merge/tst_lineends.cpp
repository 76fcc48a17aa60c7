#include "merge/lineends.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kelvane {
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

struct Copied {
    std::string bytes;
    bool crAfter;
    std::size_t afterLastLf;
};

template <typename Copy>
Copied CopyThrough(Copy copy, const std::string& in, bool crBefore) {
    std::string out(2 * in.size(), '?');
    bool cr = crBefore;
    std::size_t afterLastLf = std::string::npos;
    out.resize(copy(in.data(), in.size(), out.data(), cr, afterLastLf));
    return {out, cr, afterLastLf};
}

// Random text long enough for the 64-byte blocks, with line ends of every kind placed densely
// (several in one block, at a block's first and last byte) or sparsely (blocks without any),
// copied every way the processor can.
TEST(LineEnds, BothWaysMatchTheModel) {
    std::mt19937 random(1234);
    for (int round = 0; round < 2000; ++round) {
        const std::size_t size = std::uniform_int_distribution<std::size_t>(0, 700)(random);
        const int density = std::uniform_int_distribution<int>(1, 200)(random);
        std::string in(size, 'x');
        for (char& c : in) {
            const int draw = std::uniform_int_distribution<int>(0, density)(random);
            c = draw == 0 ? '\n' : draw == 1 ? '\r' : static_cast<char>('a' + draw % 26);
        }
        const bool crBefore = round % 3 == 0;
        const std::string expected = Model(in, crBefore);
        const std::size_t lastLf = expected.rfind('\n');
        SCOPED_TRACE(testing::Message() << "round " << round << " size " << size);

        for (const auto method :
             {LineEndMethod::Avx512, LineEndMethod::Avx2, LineEndMethod::ByLine}) {
            if (!CanCopyLineEnds(method)) {
                continue;
            }
            SCOPED_TRACE(static_cast<int>(method));
            const auto copied = CopyThrough(
                [method](const char* from, std::size_t n, char* to, bool& cr, std::size_t& lf) {
                    return CopyLineEnds(method, from, n, to, cr, lf);
                },
                in, crBefore);
            EXPECT_EQ(copied.bytes, expected);
            EXPECT_EQ(copied.crAfter, in.empty() ? crBefore : in.back() == '\r');
            EXPECT_EQ(copied.afterLastLf,
                      lastLf == std::string::npos ? std::string::npos : lastLf + 1);
        }
    }
}

}  // namespace
}  // namespace kelvane

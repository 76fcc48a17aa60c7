#include "widgets/naturalorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvane {
namespace {

struct OrderCase {
    std::vector<std::string> shuffled;
    std::vector<std::string> expected;
};

class NaturalOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(NaturalOrderTest, SortsAsAFileManagerShowsNames) {
    auto names = GetParam().shuffled;
    std::sort(names.begin(), names.end(), NaturalLess);
    EXPECT_EQ(names, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NaturalOrderTest,
    testing::Values(OrderCase{{"part10.txt", "part2.txt", "part1.txt"},
                              {"part1.txt", "part2.txt", "part10.txt"}},
                    OrderCase{{"b.txt", "A.txt", "a.sql"}, {"a.sql", "A.txt", "b.txt"}},
                    OrderCase{{"x02", "x1", "x3"}, {"x1", "x02", "x3"}},
                    OrderCase{{"abc", "ab"}, {"ab", "abc"}},
                    OrderCase{{"9", "10", "a"}, {"9", "10", "a"}},
                    OrderCase{{"v99999999999999999999999", "v100000000000000000000000"},
                              {"v99999999999999999999999", "v100000000000000000000000"}}));

TEST(NaturalOrder, IsStrictForNamesThatDifferOnlyInCaseOrZeros) {
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"A.txt", "a.txt"}, {"x01", "x1"}, {"\xC3\xA9", "\xC3\xA8"}};
    for (const auto& [a, b] : pairs) {
        EXPECT_NE(NaturalLess(a, b), NaturalLess(b, a)) << a << " vs " << b;
        EXPECT_FALSE(NaturalLess(a, a)) << a;
    }
}

}  // namespace
}  // namespace kelvane

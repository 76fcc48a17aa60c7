#include "widgets/naturalorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvane {
namespace {

// Names sort as a file manager shows them, and the order is strict: names that differ only in
// case or leading zeros still come in one order.
TEST(NaturalOrder, SortsAsAFileManagerShowsNames) {
    const std::vector<std::vector<std::string>> sorted = {
        {"part1.txt", "part2.txt", "part10.txt"},
        {"a.sql", "A.txt", "b.txt"},
        {"x1", "x02", "x3"},
        {"ab", "abc"},
        {"9", "10", "a"},
        {"v99999999999999999999999", "v100000000000000000000000"},
    };
    for (const std::vector<std::string>& names : sorted) {
        std::vector<std::string> shuffled(names.rbegin(), names.rend());
        std::sort(shuffled.begin(), shuffled.end(), NaturalLess);
        EXPECT_EQ(shuffled, names);
    }
    for (const auto& [a, b] :
         {std::pair{"A.txt", "a.txt"}, {"x01", "x1"}, {"\xC3\xA9", "\xC3\xA8"}}) {
        EXPECT_NE(NaturalLess(a, b), NaturalLess(b, a)) << a << " vs " << b;
        EXPECT_FALSE(NaturalLess(a, a)) << a;
    }
}

}  // namespace
}  // namespace kelvane

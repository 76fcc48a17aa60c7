#include "widgets/selectioncopy.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kelvane {
namespace {

using Runs = std::vector<std::pair<std::size_t, std::size_t>>;

Runs RunsOf(const std::vector<char>& flags) {
    Runs runs;
    SelectionCopy::ForEachRun(
        flags, [&](std::size_t first, std::size_t last) { runs.emplace_back(first, last); });
    return runs;
}

TEST(SelectionCopy, HandsBackRunsOfSelectedRows) {
    const struct {
        std::vector<char> flags;
        Runs runs;
    } cases[] = {
        {{0, 0, 0}, {}},
        {{1, 1, 1}, {{0, 2}}},
        {{1, 0, 1, 1, 0}, {{0, 0}, {2, 3}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunsOf(c.flags), c.runs);
    }
}

TEST(SelectionCopy, KnowsWhenItHoldsWritesAndDiscardsThemForTheUsersChange) {
    SelectionCopy copy;
    copy.Load({1, 0});
    EXPECT_FALSE(copy.Set(0, true)) << "no change";
    EXPECT_FALSE(copy.Written());
    EXPECT_TRUE(copy.Set(1, true));
    EXPECT_TRUE(copy.Written());
    copy.Discard();
    EXPECT_FALSE(copy.Loaded());
    EXPECT_FALSE(copy.Written()) << "the user's own change wins over an unwritten write";
}

}  // namespace
}  // namespace kelvane

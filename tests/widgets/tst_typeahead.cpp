// Type-ahead, the one rule of every list of both toolkits.
#include "widgets/typeahead.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {
namespace {

TEST(TypeAhead, MovesToTheNextRowStartingWithTheTypedCharacter) {
    const std::vector<std::string> rows = {"alpha.txt",
                                           "Report.Txt",
                                           "beta",
                                           "report2",
                                           "tmp",
                                           "",
                                           "\xc5\x91.txt",
                                           "_x",
                                           "\xce\xa9m",
                                           "\xd0\x96\xc3\x89t",
                                           "\xe6\x97\xa5.txt",
                                           "\xc4\xb1"};
    const struct {
        const char* typed;
        int current;
        int row;
    } cases[] = {
        {"r", -1, 1},   // no current row: from the top
        {"r", 1, 3},    // the next one after the current row
        {"R", 3, 1},    // round past the end, either case
        {"t", 4, 4},    // the only one: stays
        {"a", 0, 0},    // from the current row round to itself
        {"re", -1, 1},  // more than one character: the rows starting with all of them
        {"rep", 1, 3},
        {"x", 2, -1},                  // none
        {"\xc5\x91", -1, 6},           // other letters too: \u0151
        {"\xc5\x90", -1, 6},           // \u0150, the capital of \u0151
        {"\xcf\x89", -1, 8},           // \u03C9 finds \u03A9
        {"\xd0\xb6\xc3\xa9T", -1, 9},  // Cyrillic and Latin-1 too
        {"\xe6\x97\xa5", -1, 10},      // other characters as they are
        {"\xe6\x97\xa6", -1, -1},      // and only so
        {"I", -1, -1},                 // the dotless i is no i
        {"\xc3\xa5", -1, -1},          // \u00E5 is no a
        {"_", 100, 7},                 // a current row past the end counts as none
        {" ", -1, -1},                 // a space, a control character or nothing moves nothing
        {"\t", -1, -1},
        {"", -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed '") + c.typed + "' at " + std::to_string(c.current));
        EXPECT_EQ(TypeAheadRow(static_cast<int>(rows.size()), c.current, c.typed,
                               [&rows](int row) -> std::string_view { return rows.at(row); }),
                  c.row);
    }
    EXPECT_EQ(TypeAheadRow(0, -1, "a", [](int) -> std::string_view { return "a"; }), -1);
}

}  // namespace
}  // namespace kelvane

// Type-ahead, the one rule of every list of both toolkits.
#include "widgets/typeahead.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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
                                           "\xc4\xb1",
                                           "Zeta.txt",
                                           "\xc5\xbd"
                                           "aba.txt"};
    const struct {
        const char* typed;
        int current;
        int row;
    } cases[] = {
        {"r", -1, 1},   // no current row: from the top
        {"r", 1, 3},    // the next one after the current row
        {"R", 3, 1},    // round past the end, either case
        {"t", 4, 4},    // the only one: from the current row round to itself
        {"re", -1, 1},  // more than one character: the rows starting with all of them
        {"rep", 1, 3},
        {"x", 2, -1},                  // none
        {"\xc5\x90", -1, 6},           // other letters too: \u0150 finds \u0151
        {"\xcf\x89", -1, 8},           // \u03C9 finds \u03A9
        {"\xd0\xb6\xc3\xa9T", -1, 9},  // Cyrillic and Latin-1 too
        {"\xe6\x97\xa5", -1, 10},      // other characters as they are
        {"\xe6\x97\xa6", -1, -1},      // and only so
        {"I", -1, -1},                 // the dotless i is no i
        {"\xc3\xa5", -1, -1},          // \u00E5 is no a
        {"z", -1, 12},                 // the edges of the folded ranges: Z
        {"\xc5\xbe", -1, 13},          // \u017E finds \u017D
        {"_", 100, 7},                 // a current row past the end counts as none
        {"", -1, -1},                  // nothing moves nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed '") + c.typed + "' at " + std::to_string(c.current));
        EXPECT_EQ(TypeAheadRow(static_cast<int>(rows.size()), c.current, c.typed,
                               [&rows](int row) -> std::string_view { return rows.at(row); }),
                  c.row);
    }
    EXPECT_EQ(TypeAheadRow(0, -1, "a", [](int) -> std::string_view { return "a"; }), -1);
    // The capital at each end of each range of folded letters, found by its small letter:
    // U+0100, U+012E, U+0132, U+0136, U+0139, U+0147, U+014A, U+0176, U+0179, A, U+00C0, U+00DE,
    // U+0391, U+03AB, U+0400, U+040F, U+0410, U+042F.
    const std::pair<const char*, const char*> edges[] = {
        {"\xc4\x80", "\xc4\x81"}, {"\xc4\xae", "\xc4\xaf"},
        {"\xc4\xb2", "\xc4\xb3"}, {"\xc4\xb6", "\xc4\xb7"},
        {"\xc4\xb9", "\xc4\xba"}, {"\xc5\x87", "\xc5\x88"},
        {"\xc5\x8a", "\xc5\x8b"}, {"\xc5\xb6", "\xc5\xb7"},
        {"\xc5\xb9", "\xc5\xba"}, {"A", "a"},
        {"\xc3\x80", "\xc3\xa0"}, {"\xc3\x9e", "\xc3\xbe"},
        {"\xce\x91", "\xce\xb1"}, {"\xce\xab", "\xcf\x8b"},
        {"\xd0\x80", "\xd1\x90"}, {"\xd0\x8f", "\xd1\x9f"},
        {"\xd0\x90", "\xd0\xb0"}, {"\xd0\xaf", "\xd1\x8f"}};
    for (const auto& [capital, small] : edges) {
        SCOPED_TRACE(capital);
        EXPECT_EQ(TypeAheadRow(1, -1, small, [&](int) -> std::string_view { return capital; }), 0);
    }
}

// The characters typed in quick succession, one step after another in one list: the row found
// becomes the current row.
TEST(TypeAhead, SearchesForTheCharactersTypedInQuickSuccession) {
    const std::vector<std::string> rows = {"plain.txt", "prog.txt",    "report.txt",
                                           "Pear.txt",  "my file.txt", "myfile.txt"};
    constexpr int kInterval = 400;
    const struct {
        const char* typed;
        std::int64_t timeMs;
        bool taken;
        int row;  // -1: the current row stays
    } steps[] = {
        {"p", 1000, true, 0},       // no current row: from the top
        {"r", 1100, true, 1},       // "pr", from the current row on: not report.txt
        {"o", 1500, true, 1},       // "pro" at the interval's end: still typed in succession
        {"x", 1600, true, -1},      // "prox": none, and nothing moves
        {"r", 2001, true, 2},       // past the interval: "r" afresh, after the current row
        {"p", 3000, true, 3},       // afresh: the next row with p
        {"p", 3100, true, 0},       // "pp": the next row with p again, round the end
        {"P", 3200, true, 1},       // "ppP": the same letter, either case
        {"\t", 3300, false, -1},    // a control character is the list's, and breaks nothing:
        {"\x7f", 3350, false, -1},  // and so is Delete
        {"p", 3400, true, 3},       // "pppp"
        {"m", 6000, true, 4},       // afresh
        {"y", 6100, true, 4},       // "my" stays on the row found
        {" ", 6200, false, -1},     // a space is the list's own key too
        {"f", 6300, true, 5},       // "myf"
        {"r", 6250, true, 2},       // a time before the last starts afresh
    };
    TypeAhead typeAhead;
    int current = -1;
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string("typed '") + step.typed + "' at " + std::to_string(step.timeMs));
        const TypeAhead::Result result =
            typeAhead.Type(step.typed, step.timeMs, kInterval, static_cast<int>(rows.size()),
                           current, [&rows](int row) -> std::string_view { return rows.at(row); });
        EXPECT_EQ(result.taken, step.taken);
        EXPECT_EQ(result.row, step.row);
        current = result.row >= 0 ? result.row : current;
    }
}

}  // namespace
}  // namespace kelvane

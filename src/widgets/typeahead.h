#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kelvane {

// The time of a typed key for type-ahead, in milliseconds: `keyTime`, the time the toolkit gives
// it, unless a test has set a clock of its own; setting an empty function drops that clock.
std::int64_t TypeAheadTime(std::int64_t keyTime);
void SetTypeAheadClock(std::function<std::int64_t()> clock);

// Whether a typed text looks for a row: not when it is empty or starts with a space or a control
// character (keys a list uses otherwise).
bool IsTypeAheadKey(std::string_view typed);

// Type-ahead, as in the platforms' standard lists: the row a typed character moves the caret (and
// the selection, where the list's style moves it) to. That is the first row after `current`,
// round past the end, whose text starts with `typed`, letters without regard to case; with no
// current row (-1) the search starts at the top. Case is folded one letter to one letter, for
// the letters of ASCII, Latin-1, Latin Extended-A (dotted and dotless i aside), Greek and
// Cyrillic (U+0400 to U+045F); other characters match only as they are. -1 when no row matches,
// or when `typed` is no type-ahead key.
int TypeAheadRow(int rowCount, int current, std::string_view typed,
                 const std::function<std::string_view(int row)>& textOf);

// The type-ahead of one list, by the characters typed in quick succession, as Qt's item views
// and Windows' list views search: each one the same rule, kept here once, with the time given by
// the caller so that no clock is read here.
//
// A character typed within `intervalMs` of the one before it (the platform's keyboard input
// interval) adds to the text looked for; a later one, or the first, starts it afresh. Then:
// - a search started afresh looks for its character as TypeAheadRow does, from the row after
//   the current one;
// - the same character typed again and again (`pp`, letters without regard to case) moves on,
//   each time, to the next row starting with that one character;
// - any other text typed in quick succession (`pr`) is looked for whole, from the current row
//   itself, so that the row found so far stays while it still matches.
// A space or a control character is the list's own key, as in Qt's views, and leaves the text
// being typed as it was. A text that no row starts with moves nothing, and stays the text that
// the next character in quick succession adds to.
class TypeAhead {
  public:
    struct Result {
        bool taken = false;  // the key was type-ahead's: the list does nothing else with it
        int row = -1;        // the row to move to; -1 for none
    };

    // `typed` is the text of one key, in UTF-8, typed at `timeMs` (milliseconds of a clock that
    // doesn't go back; a time before the last one starts afresh).
    Result Type(std::string_view typed, std::int64_t timeMs, std::int64_t intervalMs, int rowCount,
                int current, const std::function<std::string_view(int row)>& textOf);

    // The text typed so far in quick succession; empty before the first key.
    const std::string& Typed() const { return typed_; }

  private:
    std::string typed_;
    std::int64_t lastMs_ = 0;
};

}  // namespace kelvane

#pragma once

#include <functional>
#include <string_view>

namespace kelvane {

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

}  // namespace kelvane

#pragma once

#include <functional>
#include <string_view>

namespace kelvane {

// Type-ahead, as in the platforms' standard lists: the row a typed character moves the caret (and
// the selection, where the list's style moves it) to. That is the first row after `current`,
// round past the end, whose text starts with `typed`, ASCII letters without regard to case; with
// no current row (-1) the search starts at the top. -1 when no row matches, or when `typed` is
// empty or starts with a space or a control character (keys a list uses otherwise).
int TypeAheadRow(int rowCount, int current, std::string_view typed,
                 const std::function<std::string_view(int row)>& textOf);

}  // namespace kelvane

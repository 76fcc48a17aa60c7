#include "selectioncopy.h"

#include <utility>

namespace kelvane {

void SelectionCopy::Load(std::vector<char> flags) {
    flags_ = std::move(flags);
    loaded_ = true;
    written_ = false;
}

void SelectionCopy::Discard() {
    loaded_ = false;
    written_ = false;
}

bool SelectionCopy::Set(std::size_t row, bool selected) {
    char& flag = flags_[row];
    if ((flag != 0) == selected) {
        return false;
    }
    flag = selected ? 1 : 0;
    written_ = true;
    return true;
}

void SelectionCopy::Write(std::vector<char> flags) {
    flags_ = std::move(flags);
    loaded_ = true;
    written_ = true;
}

}  // namespace kelvane

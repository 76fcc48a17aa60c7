#include "fakelistwidget.h"

namespace kelvane::test {

FakeListWidget::FakeListWidget(Style style, const std::vector<std::string>& items)
    : ListRows(style) {
    for (const auto& item : items) {
        AddItem(item);
    }
}

void FakeListWidget::EraseRow(int row) {
    texts_.erase(texts_.begin() + row);
    if (current_ > row) {
        --current_;  // as a list box keeps its current row's text
    }
}

void FakeListWidget::ClearRows() {
    texts_.clear();
    current_ = -1;
}

}  // namespace kelvane::test

#include "fakelistwidget.h"

#include "widgets/widgeterror.h"

namespace kelvane::test {

FakeListWidget::FakeListWidget(Style style, const std::vector<std::string>& items) : style_(style) {
    for (const auto& item : items) {
        AddItem(item);
    }
}

void FakeListWidget::Check(int index) const {
    if (index < 0 || index >= ListCount()) {
        throw WidgetError("list index out of range");
    }
}

std::string FakeListWidget::List(int index) const {
    Check(index);
    return items_[index].first;
}

void FakeListWidget::SetList(int index, const std::string& text) {
    Check(index);
    items_[index].first = text;
}

bool FakeListWidget::Selected(int index) const {
    Check(index);
    return items_[index].second;
}

void FakeListWidget::SetSelected(int index, bool selected) {
    Check(index);
    if (style_ == Style::SingleSelection && selected) {
        for (auto& item : items_) {
            item.second = false;
        }
        listIndex_ = index;
    }
    items_[index].second = selected;
}

void FakeListWidget::SetListIndex(int index) {
    if (index != -1) {
        Check(index);
    }
    if (style_ == Style::SingleSelection) {
        for (auto& item : items_) {
            item.second = false;
        }
        if (index != -1) {
            items_[index].second = true;
        }
    }
    listIndex_ = index;
}

void FakeListWidget::AddItem(const std::string& text) {
    items_.emplace_back(text, false);
    newIndex_ = ListCount() - 1;
}

void FakeListWidget::RemoveItem(int index) {
    Check(index);
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
}

void FakeListWidget::Clear() {
    items_.clear();
    listIndex_ = -1;
}

std::vector<std::string> FakeListWidget::Items() const {
    std::vector<std::string> texts;
    for (const auto& item : items_) {
        texts.push_back(item.first);
    }
    return texts;
}

}  // namespace kelvane::test

#include "listrows.h"

#include "widgets/widgeterror.h"

namespace kelvane {

void ListRows::Check(int index) const {
    CheckIndex(index, RowCount(), "list");
}

std::string ListRows::List(int index) const {
    Check(index);
    return RowText(index);
}

void ListRows::SetList(int index, const std::string& text) {
    Check(index);
    SetRowText(index, text);
}

bool ListRows::Selected(int index) const {
    Check(index);
    if (style_ == Style::CheckBox) {
        return marks_[static_cast<std::size_t>(index)] != 0;
    }
    return RowSelected(index);
}

void ListRows::SetSelected(int index, bool selected) {
    Check(index);
    if (style_ == Style::CheckBox) {
        marks_[static_cast<std::size_t>(index)] = selected ? 1 : 0;
        ShowMark(index);
    } else if (selected) {
        SetCurrentRow(index);
    } else if (RowSelected(index)) {
        SetCurrentRow(-1);
    }
}

void ListRows::SetListIndex(int index) {
    if (index != -1) {
        Check(index);
    }
    SetCurrentRow(index);
}

void ListRows::AddItem(const std::string& text) {
    marks_.push_back(0);  // first: the toolkit may draw the new row as it appends it
    AppendRow(text);
    newIndex_ = RowCount() - 1;
}

void ListRows::RemoveItem(int index) {
    Check(index);
    if (CurrentRow() == index) {
        SetCurrentRow(-1);
    }
    EraseRow(index);
    marks_.erase(marks_.begin() + index);
    newIndex_ = -1;
}

void ListRows::Clear() {
    ClearRows();
    marks_.clear();
    newIndex_ = -1;
}

}  // namespace kelvane

#pragma once

#include <string>
#include <vector>

#include "widgets/listwidget.h"

namespace kelvane {

// The ListWidget contract over a toolkit's list of texts, for every toolkit: the index checks,
// the check marks of the check-box style, NewIndex, and what each change does to the current
// row and the selection.
//
// - SetSelected(i, true) in the single-selection style makes row i the current (and so the only
//   selected) row; SetSelected(i, false) on the selected row leaves no row current. In the
//   check-box style Selected(i) is row i's check mark, kept here, and the current row is apart
//   from the marks.
// - AddItem appends, unmarked, and NewIndex is the new row. RemoveItem of the current row leaves
//   none current; a current row after the removed one keeps its text. RemoveItem and Clear set
//   NewIndex to -1, and Clear leaves no row current.
//
// A toolkit's list widget derives from this, keeps the texts and the current row (which the
// user's gestures move as well), and draws them.
class ListRows : public ListWidget {
  public:
    enum class Style { SingleSelection, CheckBox };

    explicit ListRows(Style style) : style_(style) {}

    int ListCount() const override { return RowCount(); }
    std::string List(int index) const override;
    void SetList(int index, const std::string& text) override;
    bool Selected(int index) const override;
    void SetSelected(int index, bool selected) override;
    int ListIndex() const override { return CurrentRow(); }
    void SetListIndex(int index) override;
    int NewIndex() const override { return newIndex_; }
    void AddItem(const std::string& text) override;
    void RemoveItem(int index) override;
    void Clear() override;

  protected:
    Style ListStyle() const { return style_; }
    // The user toggled a row's check mark (check-box style).
    void ToggleMark(int row) { SetSelected(row, marks_[static_cast<std::size_t>(row)] == 0); }

    virtual int RowCount() const = 0;
    virtual std::string RowText(int row) const = 0;
    virtual void SetRowText(int row, const std::string& text) = 0;
    virtual void AppendRow(const std::string& text) = 0;
    // Removes a row that isn't current; a current row after it moves up with its text.
    virtual void EraseRow(int row) = 0;
    // Removes every row, leaving none current.
    virtual void ClearRows() = 0;
    // The current row, -1 for none; and making one current (-1: none), in the single-selection
    // style the only selected row too.
    virtual int CurrentRow() const = 0;
    virtual void SetCurrentRow(int row) = 0;
    // Whether the toolkit shows a row selected (single-selection style).
    virtual bool RowSelected(int row) const { return CurrentRow() == row; }
    // A row's check mark has changed.
    virtual void ShowMark(int /*row*/) {}

  private:
    void Check(int index) const;

    Style style_;
    // One check mark a row in the check-box style; never fewer than the toolkit's rows, so that
    // a toolkit drawing a row while it is appended or removed finds one.
    std::vector<char> marks_;
    int newIndex_ = -1;
};

}  // namespace kelvane

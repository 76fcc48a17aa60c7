#pragma once

#include "ownerdrawnlist.h"
#include "widgets/listrows.h"

namespace kelvane::win32 {

// A list widget in one of the two styles of ListRows, drawn by us over the texts we keep.
//
// SingleSelection: a press of the left button makes the row under the pointer current before
// MouseDown is raised, and while it is held the current row follows the pointer (the list box's
// own tracking). Other buttons don't move the current row. The second press of a double click
// raises no MouseDown; every release raises MouseUp.
//
// CheckBox: a row's mark is toggled by a click on its box or by Space on the current row;
// ListIndex is the highlighted row.
//
// Taking the focus picks no row: ListIndex stays -1 until the user picks one.
class Win32ListWidget : public OwnerDrawnList, public ListRows {
  public:
    Win32ListWidget(Win32Window& window, const ControlDesign& design, Style style)
        : OwnerDrawnList(window, design, 0), ListRows(style) {}

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int CheckMark(int row) const override {
        return ListStyle() == Style::CheckBox ? static_cast<int>(Selected(row)) : -1;
    }

    int RowCount() const override { return Count(); }
    std::string RowText(int row) const override { return Text(row); }
    void SetRowText(int row, const std::string& text) override { SetText(row, text); }
    void AppendRow(const std::string& text) override { Append(text); }
    void EraseRow(int row) override { Erase(row); }
    void ClearRows() override { OwnerDrawnList::ClearRows(); }
    int CurrentRow() const override { return OwnerDrawnList::CurrentRow(); }
    void SetCurrentRow(int row) override { OwnerDrawnList::SetCurrentRow(row); }
    void ShowMark(int row) override { InvalidateRow(row); }

  private:
    bool OnCheckBox(int x, int y) const;
};

}  // namespace kelvane::win32

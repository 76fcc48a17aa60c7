#pragma once

#include <vector>

#include "ownerdrawnlist.h"
#include "widgets/listwidget.h"
#include "widgets/widgeterror.h"

namespace kelvane::win32 {

// A list widget in one of the two styles of the contract, drawn by us over the texts we keep.
//
// SingleSelection: at most one row is selected and it is the current row (ListIndex). A press
// of the left button makes the row under the pointer current before MouseDown is raised, and
// while it is held the current row follows the pointer (the list box's own tracking). Other
// buttons don't move the current row. The second press of a double click raises no MouseDown;
// every release raises MouseUp.
//
// CheckBox: Selected(i) is row i's check mark, toggled by a click on its box or by Space on the
// current row; ListIndex is the highlighted row.
//
// In both styles ListIndex is -1 when no row is current: after Clear, after the current row is
// removed, and until the user picks a row (taking the focus picks none).
class Win32ListWidget : public OwnerDrawnList, public ListWidget {
  public:
    enum class Style { SingleSelection, CheckBox };

    Win32ListWidget(Win32Window& window, const ControlDesign& design, Style style);

    int ListCount() const override { return Count(); }
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
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int CheckMark(int row) const override;

  private:
    void Check(int index) const { CheckIndex(index, Count(), "list"); }
    void Toggle(int row);
    bool OnCheckBox(int x, int y) const;

    Style style_;
    std::vector<char> checks_;
    int newIndex_ = -1;
};

}  // namespace kelvane::win32

#pragma once

#include "ownerdrawnlist.h"
#include "widgets/folderrows.h"

namespace kelvane::win32 {

// A classic directory list drawn by us: the rows of FolderRows, each indented one step deeper
// than its parent, the open folder and its ancestors with an open folder picture and the
// subfolders with a closed one. A single click (or the arrow keys) only moves the highlight; a
// double click or Enter opens the highlighted folder.
//
// Where controls described before it lie over its top edge (the drive list), the rows start
// below them.
class Win32FolderList : public OwnerDrawnList, public FolderRows {
  public:
    Win32FolderList(Win32Window& window, const ControlDesign& design);

    void Place(const PixelRect& place, int dpi) override;
    bool WantsEnter() const override { return true; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int Indent(int row) const override;
    HICON RowIcon(int row) const override;
    int RowHeightFor(int textHeight, int dpi) const override;
    void ShowRows() override;
    int HighlightedRow() const override { return CurrentRow(); }
    void Highlight(int row) override { SetCurrentRow(row); }
    void RaiseChange() override { Raise(Event::Change); }

  private:
    int coveredTop_ = 0;  // pixels of the top edge that other controls cover
};

}  // namespace kelvane::win32

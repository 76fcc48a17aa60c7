#pragma once

#include <string>
#include <vector>

#include "ownerdrawnlist.h"
#include "widgets/filelist.h"
#include "widgets/selectioncopy.h"

namespace kelvane::win32 {

// The file list: the files of Path in natural order, hidden and system ones left out, with
// extended multiple selection (click, Shift+click, Ctrl+click, dragging, the arrow keys).
// A folder of 100,000 files fills it in one step.
//
// MouseUp is raised when a button that went down over the list comes up, wherever the pointer
// then is: the list holds the mouse for every button it saw go down. A right or middle click
// never changes the selection.
//
// A Shift+click selects the range from the anchor (the row of the last click or arrow key
// without Shift) to the clicked row, and keeps the picks that stood right after that click or key;
// a later Shift+click replaces only the range. So files the program unselects in between (refused
// ones) change nothing of what a Shift+click gives, and the anchor stays where the user put it.
//
// Selected(i) and SetSelected(i) work on a copy of the selection, one flag per file, read from
// the list box in one message. Writes reach the list box together, as runs of selected rows:
// right after the handlers of MouseUp return, before the list box handles any other message,
// and otherwise at the next turn of the loop.
class Win32FileList : public OwnerDrawnList, public FileList {
  public:
    Win32FileList(Win32Window& window, const ControlDesign& design);

    std::string Path() const override { return path_; }
    void SetPath(const std::string& path) override;
    int ListCount() const override { return Count(); }
    std::string List(int index) const override;
    bool Selected(int index) const override;
    void SetSelected(int index, bool selected) override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Forget() override;

  private:
    void Check(int index) const;
    void TakeSnapshot() const;
    void Flush();
    void ShiftClick(int row);
    // Keeps the picks as they stand as the ones a later Shift+click keeps.
    void TakeBase();

    std::string path_;
    int pressed_ = 0;  // the MouseEvent buttons that went down over the list and are still down
    mutable SelectionCopy copy_;
    bool flushPosted_ = false;  // a kFlushMessage is on its way
    bool flushing_ = false;
    std::vector<char> base_;   // the picks right after the last click or key without Shift
    bool ownCapture_ = false;  // the mouse is held by us for a Shift+click
};

}  // namespace kelvane::win32

#pragma once

#include <string>
#include <vector>

#include "ownerdrawnlist.h"
#include "widgets/filerows.h"

namespace kelvane::win32 {

// The file list drawn by us: the names of FileRows, with extended multiple selection (click,
// Shift+click, Ctrl+click, dragging, the arrow keys). A folder of 100,000 files fills it in one
// step.
//
// MouseUp is raised when a button that went down over the list comes up, wherever the pointer
// then is: the list holds the mouse for every button it saw go down. A right or middle click
// never changes the selection. The selection written by the handlers of MouseUp reaches the list
// box right after they return, before it handles any other message.
//
// A Shift+click selects the range from the anchor (the row of the last click or arrow key
// without Shift) to the clicked row, and keeps the picks that stood right after that click or key;
// a later Shift+click replaces only the range. So files the program unselects in between (refused
// ones) change nothing of what a Shift+click gives, and the anchor stays where the user put it.
class Win32FileList : public OwnerDrawnList, public FileRows {
  public:
    Win32FileList(Win32Window& window, const ControlDesign& design);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Forget() override;
    void TypedAhead() override { TakeBase(); }
    int RowCount() const override { return Count(); }
    const std::string& RowText(int row) const override { return Text(row); }
    void ShowNames(std::vector<std::string> names) override;
    std::vector<char> ReadSelection() const override;
    void WriteSelection(const std::vector<char>& flags) override;
    bool QueueFlush() override { return PostMessageW(Hwnd(), kFlushMessage, 0, 0) != FALSE; }

  private:
    void ShiftClick(int row);
    // Keeps the picks as they stand as the ones a later Shift+click keeps.
    void TakeBase();

    int pressed_ = 0;  // the MouseEvent buttons that went down over the list and are still down
    bool flushing_ = false;
    std::vector<char> base_;   // the picks right after the last click or key without Shift
    bool ownCapture_ = false;  // the mouse is held by us for a Shift+click
};

}  // namespace kelvane::win32

#pragma once

#include <string>
#include <vector>

#include "ownerdrawnlist.h"
#include "widgets/folderlist.h"

namespace kelvane::win32 {

// A classic directory list: the open folder's ancestors from the drive's top folder down, the
// open folder, then its subfolders (hidden and system ones left out, in natural order), each
// indented one step deeper than its parent. The open folder and its ancestors show an open
// folder picture, the subfolders a closed one.
//
// Contract index i is row (ancestor count + 1 + i): -1 the open folder, -2 its parent and so on,
// 0 the first subfolder. A single click (or the arrow keys) only moves the highlight; a double
// click or Enter opens the highlighted folder, as SetPath does. Opening another folder
// highlights it and raises Change; opening the open folder again shows it afresh and raises
// nothing. A relative path is taken from the process's current folder.
//
// Where controls described before it lie over its top edge (the drive list), the rows start
// below them.
class Win32FolderList : public OwnerDrawnList, public FolderList {
  public:
    Win32FolderList(Win32Window& window, const ControlDesign& design);

    void Place(const PixelRect& place, int dpi) override;
    bool Raises(Event event) const override { return event == Event::Change; }
    bool WantsEnter() const override { return true; }

    std::string Path() const override { return path_; }
    void SetPath(const std::string& path) override;
    int ListCount() const override;
    int ListIndex() const override;
    void SetListIndex(int index) override;
    std::string List(int index) const override;

    // The full path of `path` as the list opens it: absolute, without "." or "..", and without
    // a trailing "\" except a drive's top folder's.
    static std::string NormalPath(const std::string& path);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int Indent(int row) const override;
    HICON RowIcon(int row) const override;
    int RowHeightFor(int textHeight, int dpi) const override;

  private:
    int RowOf(int index) const;
    void OpenRow(int row);

    std::string path_;
    std::vector<std::string> paths_;  // the full path shown on each row
    std::vector<int> depths_;         // each row's indentation step
    int openRow_ = -1;                // the row of the open folder
    int coveredTop_ = 0;              // pixels of the top edge that other controls cover
};

}  // namespace kelvane::win32

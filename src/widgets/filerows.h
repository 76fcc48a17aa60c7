#pragma once

#include <string>
#include <vector>

#include "widgets/filelist.h"
#include "widgets/selectioncopy.h"
#include "widgets/widgeterror.h"

namespace kelvane {

// The FileList contract over a toolkit's list of file names, for every toolkit: the files of
// Path in natural order (hidden ones, and on Windows system ones, left out), read before anything
// changes, so a folder that can't be listed raises WidgetError and leaves the list as it was.
//
// Selected(i) and SetSelected(i) work on a copy of the list's selection, one flag per file, read
// from the toolkit in one call (the toolkits' own per-row calls cost too much on large folders).
// Writes go back to the toolkit together, as one selection, when FlushSelection runs: the toolkit
// runs it right after the handlers of its MouseUp return, and otherwise at the next turn of its
// loop after the first write (QueueFlush).
//
// A toolkit's file list derives from this, keeps the names and draws them.
class FileRows : public FileList {
  public:
    std::string Path() const final { return path_; }
    void SetPath(const std::string& path) final;
    int ListCount() const final { return RowCount(); }
    std::string List(int index) const final;
    bool Selected(int index) const final;
    void SetSelected(int index, bool selected) final;

    // Hands the writes not yet handed back to the toolkit; nothing when there are none.
    void FlushSelection();

  protected:
    virtual int RowCount() const = 0;
    virtual const std::string& RowText(int row) const = 0;
    // Replaces every row, none selected.
    virtual void ShowNames(std::vector<std::string> names) = 0;
    // The list's whole selection, one flag per row; and setting it (as runs of selected rows).
    virtual std::vector<char> ReadSelection() const = 0;
    virtual void WriteSelection(const std::vector<char>& flags) = 0;
    // Has FlushSelection run at the next turn of the loop; false when it can't be.
    virtual bool QueueFlush() = 0;

    SelectionCopy& Copy() const { return copy_; }
    // Loads the copy from the toolkit unless it stands for the selection already.
    void LoadCopy() const;

  private:
    void Check(int index) const { CheckIndex(index, RowCount(), "file list"); }

    std::string path_;
    mutable SelectionCopy copy_;
    bool flushQueued_ = false;
};

}  // namespace kelvane

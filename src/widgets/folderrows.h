#pragma once

#include <string>
#include <vector>

#include "widgets/folderlist.h"

namespace kelvane {

// A directory list's rows, and the FolderList contract over them, for every toolkit: the open
// folder's ancestors from the top folder down, the open folder, then its subfolders (hidden ones,
// and on Windows system ones, left out) in natural order. Contract index i is row
// (ancestor count + 1 + i): -1 the open folder, -2 its parent and so on, 0 the first subfolder.
//
// Opening a folder (SetPath, or OpenRow for a double click or Enter) reads it first: a folder
// that can't be read changes nothing. Then the rows are shown afresh with the open folder
// highlighted, and Change is raised when the open folder is another one: opening the open folder
// again shows its subfolders afresh but raises nothing, so the file list keeps the user's picks.
// A relative path is taken from the process's current folder; the platform's path rules are
// those of NormalFolder.
//
// A toolkit's folder list derives from this and draws the rows: each one's name, indented by its
// depth, with an open folder's picture on the open folder and its ancestors and a closed one on
// the subfolders. It tells which row the user highlighted, and opens a row on a double click or
// Enter.
//
// The highlight never goes: the merge reads its folder from the highlighted row, so that row is
// always drawn highlighted. A gesture of the user moves the highlight to another row or changes
// nothing; one that would leave no row drawn highlighted (a click on empty space, a Ctrl+click or
// Ctrl+Space on the highlighted row) changes nothing. A toolkit whose list can lose its
// selection (Qt's) tells after each gesture which row it draws highlighted (KeepHighlight); a
// native single-selection list box (Win32) never loses it, so it needn't.
class FolderRows : public FolderList {
  public:
    std::string Path() const final { return path_; }
    void SetPath(const std::string& path) final;
    int ListCount() const final;
    int ListIndex() const final;
    void SetListIndex(int index) final;
    std::string List(int index) const final;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The folder's own name; the top folder's full path.
    const std::string& RowName(int row) const { return rows_[static_cast<std::size_t>(row)].name; }
    // 0 for the top folder, one more for each folder down.
    int RowDepth(int row) const { return rows_[static_cast<std::size_t>(row)].depth; }
    // Whether the row is the open folder or one of its ancestors.
    bool RowOpen(int row) const { return row <= openRow_; }

    // Opens the folder of a row, as a double click or Enter does. A folder that can't be read
    // stays closed and the highlight stays on it; a row that is none does nothing.
    void OpenRow(int row);

  protected:
    // A gesture of the user is over, and the toolkit draws row `drawn` highlighted (-1 for none):
    // where that isn't the highlighted row (the open folder's when none is), that row is
    // highlighted afresh.
    void KeepHighlight(int drawn);
    // The rows have changed: the toolkit draws them all afresh.
    virtual void ShowRows() = 0;
    // The highlighted row, -1 for none; and highlighting one, drawn highlighted and brought into
    // view when it is another one.
    virtual int HighlightedRow() const = 0;
    virtual void Highlight(int row) = 0;
    virtual void RaiseChange() = 0;

  private:
    struct Row {
        std::string path;
        std::string name;
        int depth = 0;
    };

    int RowOf(int index) const;

    std::string path_;
    std::vector<Row> rows_;
    int openRow_ = -1;  // the row of the open folder
};

}  // namespace kelvane

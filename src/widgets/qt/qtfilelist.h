#pragma once

#include <QItemSelection>
#include <QListView>
#include <vector>

#include "widgets/filelist.h"
#include "widgets/mouseevent.h"
#include "widgets/selectioncopy.h"

namespace kelvane::qt {

class ListModel;

// The file list: the files of Path in natural order, hidden ones left out, with extended
// multiple selection, over a model of our own that keeps every name's exact bytes.
//
// Only the left button selects: the right and middle buttons change neither the selection nor
// the current file, as in the platforms' own list boxes. A release of any button pressed over
// the list is reported by MouseUp.
//
// Selected(i) and SetSelected(i) never touch Qt's selection model one item at a time (its
// ranges make per-item calls quadratic on large folders). The first read takes a snapshot of
// the selection as one flag per file, built once from Qt's selection ranges; reads and writes
// then work on the snapshot. A change of the selection that doesn't come from us (the user)
// drops the snapshot. Writes are handed back to Qt in one batch of merged runs by
// FlushSelection(), which runs:
// - right after the handlers of MouseUp return (the place where the logic changes it), and
// - otherwise at the next turn of the event loop after the first write (queued).
// FlushSelection() may also be called directly; it does nothing when nothing was written.
//
// Handing the writes back keeps what a gesture means: a file the program unselects is as if it
// had never been picked. The picks of earlier gestures stay picks, and the range of the latest
// one stays the range that a Shift+click replaces from its anchor, so clicking a refused file
// (unselected at the release) changes nothing for the gesture after it. Only past about a
// million pairs of runs across those two parts (thousands of picks broken up by refused files)
// does all of it become earlier picks, to spare Qt's pairwise comparisons: then no pick is lost,
// but the next Shift+click only adds to the range of the gesture before.
class QtFileList : public QListView, public FileList {
    Q_OBJECT

  public:
    explicit QtFileList(QWidget* parent = nullptr);

    std::string Path() const override { return path_; }
    void SetPath(const std::string& path) override;
    int ListCount() const override;
    std::string List(int index) const override;
    bool Selected(int index) const override;
    void SetSelected(int index, bool selected) override;

    void FlushSelection();

  signals:
    // A mouse button that was pressed over the list has been released.
    void MouseUp(const kelvane::MouseEvent& event);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Check(int index) const;
    // A selection as one flag per file, and back as merged runs of rows.
    std::vector<char> FlagsOf(const QItemSelection& selection) const;
    QItemSelection RunsOf(const std::vector<char>& flags) const;
    void TakeSnapshot() const;
    void OnSelectionChanged();

    ListModel* model_;
    std::string path_;
    mutable SelectionCopy copy_;
    bool flushQueued_ = false;
    bool flushing_ = false;
};

}  // namespace kelvane::qt

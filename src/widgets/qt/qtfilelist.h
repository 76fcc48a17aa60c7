#pragma once

#include <QListView>
#include <vector>

#include "widgets/filelist.h"
#include "widgets/mouseevent.h"

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
    void TakeSnapshot() const;
    void OnSelectionChanged();

    ListModel* model_;
    std::string path_;
    mutable std::vector<char> flags_;
    mutable bool snapshot_ = false;
    bool dirty_ = false;
    bool flushQueued_ = false;
    bool flushing_ = false;
};

}  // namespace kelvane::qt

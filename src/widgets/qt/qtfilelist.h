#pragma once

#include <QItemSelection>
#include <QListView>
#include <vector>

#include "widgets/filerows.h"
#include "widgets/mouseevent.h"
#include "widgets/typeahead.h"

namespace kelvane::qt {

class ListModel;

// The file list drawn with Qt: the names of FileRows over a model of our own that keeps every
// name's exact bytes, with extended multiple selection.
//
// Only the left button selects: the right and middle buttons change neither the selection nor
// the current file, as in the platforms' own list boxes. A release of any button pressed over
// the list is reported by MouseUp, and the selection written by its handlers is handed back to
// Qt right after they return; a change of the selection by the user drops the copy of it.
//
// Handing the writes back keeps what a gesture means: a file the program unselects is as if it
// had never been picked. The picks of earlier gestures stay picks, and the range of the latest
// one stays the range that a Shift+click replaces from its anchor, so clicking a refused file
// (unselected at the release) changes nothing for the gesture after it. Only past about a
// million pairs of runs across those two parts (thousands of picks broken up by refused files)
// does all of it become earlier picks, to spare Qt's pairwise comparisons: then no pick is lost,
// but the next Shift+click only adds to the range of the gesture before.
//
// A typed character picks the file kelvane::TypeAhead finds, alone, and puts the anchor of the next
// Shift+click there, with Shift held or not.
class QtFileList : public QListView, public FileRows {
    Q_OBJECT

  public:
    explicit QtFileList(QWidget* parent = nullptr);

    void keyboardSearch(const QString& search) override;

  signals:
    // A mouse button that was pressed over the list has been released.
    void MouseUp(const kelvane::MouseEvent& event);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    int RowCount() const override;
    const std::string& RowText(int row) const override;
    void ShowNames(std::vector<std::string> names) override;
    std::vector<char> ReadSelection() const override;
    void WriteSelection(const std::vector<char>& flags) override;
    bool QueueFlush() override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

  private:
    // A selection as one flag per file, and back as merged runs of rows.
    std::vector<char> FlagsOf(const QItemSelection& selection) const;
    QItemSelection RunsOf(const std::vector<char>& flags) const;
    void OnSelectionChanged();

    ListModel* model_;
    bool flushing_ = false;
    bool typing_ = false;  // a typed character is moving the current file
    kelvane::TypeAhead typeAhead_;
};

}  // namespace kelvane::qt

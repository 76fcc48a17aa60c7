#pragma once

#include <QListView>
#include <functional>
#include <string_view>

#include "widgets/listrows.h"
#include "widgets/mouseevent.h"
#include "widgets/typeahead.h"

class QMouseEvent;

namespace kelvane::qt {

class ListModel;

// The mouse event our handlers receive, from Qt's; the position is in the list's viewport.
MouseEvent ToMouseEvent(const QMouseEvent& event);

// Moves the current row of a list, and the selection as the list's style moves it, by the rule
// of kelvane::TypeAhead (`search`, the list's own) for the text the user typed now, at Qt's
// keyboard input interval, a key's time read on a steady clock. Our lists do this instead of Qt's
// own search. The row is made current by QAbstractItemView::setCurrentIndex, so the list's
// selectionCommand, asked without an event, decides what happens to the selection.
void TypeAheadIn(QAbstractItemView& list, kelvane::TypeAhead& search, const QString& typed,
                 const std::function<std::string_view(int row)>& textOf);

// A list widget in one of the two styles of ListRows, over a model of our own (texts kept byte
// for byte, O(1) reads, fast appends).
//
// SingleSelection: a press of the left button makes the row under the pointer current before
// MouseDown is emitted; while the button is held the current row follows the pointer. Other
// buttons don't move the current row. Ctrl+click doesn't unselect the current row.
//
// CheckBox: a click on a row's box toggles its mark; ListIndex is the highlighted row.
//
// Taking the focus doesn't pick a row: ListIndex stays -1 until the user picks one.
//
// Replaced texts (SetList) and the current row set by the program (SetSelected true in the
// single-selection style, SetListIndex) are shown in one batch: right after the handlers of
// MouseUp return, or else at the next turn of the event loop. Reads see them at once. So a
// handler that moves a row across the whole list, one swap per row, costs the list one update
// and one layout, as a single move does, instead of one per row. Any other change, a mouse
// press and a key press hand over what waits first. FlushUpdates() does it at once.
class QtListWidget : public QListView, public ListRows {
    Q_OBJECT

  public:
    explicit QtListWidget(Style style, QWidget* parent = nullptr);

    // Shows what the program changed and hasn't shown yet; nothing when nothing waits.
    void FlushUpdates();
    void keyboardSearch(const QString& search) override;

  signals:
    void MouseDown(const kelvane::MouseEvent& event);
    void MouseUp(const kelvane::MouseEvent& event);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

    int RowCount() const override;
    std::string RowText(int row) const override;
    void SetRowText(int row, const std::string& text) override;
    void AppendRow(const std::string& text) override;
    void EraseRow(int row) override;
    void ClearRows() override;
    int CurrentRow() const override;
    void SetCurrentRow(int row) override;
    bool RowSelected(int row) const override;
    void ShowMark(int row) override;

  private:
    void MakeCurrent(int row);
    void ClearCurrent();
    void QueueFlush();
    void OnCurrentChanged();

    ListModel* model_;
    // What waits to be shown: the span of replaced texts (-1 for none), and the row to make
    // current (-1 for none).
    int changedFirst_ = -1;
    int changedLast_ = -1;
    int pendingCurrent_ = -1;
    bool flushQueued_ = false;
    bool flushing_ = false;
    bool following_ = false;  // the left button went down over this list and is still held
    kelvane::TypeAhead typeAhead_;
};

}  // namespace kelvane::qt

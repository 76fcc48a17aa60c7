#include "qtlistwidget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>

#include "listmodel.h"
#include "localtext.h"
#include "widgets/typeahead.h"

namespace kelvane::qt {

MouseEvent ToMouseEvent(const QMouseEvent& event) {
    MouseEvent result;
    switch (event.button()) {
        case Qt::RightButton:
            result.button = MouseEvent::RightButton;
            break;
        case Qt::MiddleButton:
            result.button = MouseEvent::MiddleButton;
            break;
        default:
            result.button = MouseEvent::LeftButton;
            break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    result.shift = (modifiers & Qt::ShiftModifier ? MouseEvent::ShiftKey : 0) |
                   (modifiers & Qt::ControlModifier ? MouseEvent::CtrlKey : 0) |
                   (modifiers & Qt::AltModifier ? MouseEvent::AltKey : 0);
    const QPoint position = event.position().toPoint();
    result.x = position.x();
    result.y = position.y();
    return result;
}

void TypeAheadIn(QAbstractItemView& list, kelvane::TypeAhead& search, const QString& typed,
                 const std::function<std::string_view(int row)>& textOf) {
    const QModelIndex current = list.currentIndex();
    const int row = search
                        .Type(ToLocal(typed),
                              TypeAheadTime(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                std::chrono::steady_clock::now().time_since_epoch())
                                                .count()),
                              QApplication::keyboardInputInterval(), list.model()->rowCount(),
                              current.isValid() ? current.row() : -1, textOf)
                        .row;
    if (row >= 0) {
        list.setCurrentIndex(list.model()->index(row, 0));
    }
}

QtListWidget::QtListWidget(Style style, QWidget* parent)
    : QListView(parent),
      ListRows(style),
      model_(new ListModel(style == Style::CheckBox ? this : nullptr, this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &QtListWidget::OnCurrentChanged);
}

int QtListWidget::RowCount() const {
    return model_->Count();
}

std::string QtListWidget::RowText(int row) const {
    return model_->Text(row);
}

void QtListWidget::SetRowText(int row, const std::string& text) {
    model_->SetText(row, text);
    changedFirst_ = changedFirst_ < 0 ? row : std::min(changedFirst_, row);
    changedLast_ = std::max(changedLast_, row);
    QueueFlush();
}

bool QtListWidget::RowSelected(int row) const {
    if (pendingCurrent_ >= 0) {
        return row == pendingCurrent_;
    }
    return selectionModel()->isSelected(model_->index(row));
}

void QtListWidget::ShowMark(int row) {
    model_->NotifyMark(row);
}

int QtListWidget::CurrentRow() const {
    if (pendingCurrent_ >= 0) {
        return pendingCurrent_;
    }
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void QtListWidget::SetCurrentRow(int row) {
    if (row < 0) {
        FlushUpdates();
        ClearCurrent();
        return;
    }
    pendingCurrent_ = row;
    QueueFlush();
}

void QtListWidget::AppendRow(const std::string& text) {
    FlushUpdates();
    model_->Append(text);
}

void QtListWidget::EraseRow(int row) {
    FlushUpdates();
    model_->Remove(row);
}

void QtListWidget::ClearRows() {
    FlushUpdates();
    model_->Clear();
    ClearCurrent();
}

void QtListWidget::QueueFlush() {
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &QtListWidget::FlushUpdates, Qt::QueuedConnection);
    }
}

void QtListWidget::FlushUpdates() {
    flushQueued_ = false;
    if (changedFirst_ >= 0) {
        const int first = changedFirst_;
        const int last = changedLast_;
        changedFirst_ = changedLast_ = -1;
        model_->NotifyTexts(first, last);
    }
    if (pendingCurrent_ >= 0) {
        const int row = pendingCurrent_;
        pendingCurrent_ = -1;
        flushing_ = true;
        MakeCurrent(row);
        flushing_ = false;
    }
}

void QtListWidget::OnCurrentChanged() {
    if (!flushing_) {
        pendingCurrent_ = -1;  // the user (or Qt) moved the current row: that is the truth now
    }
}

void QtListWidget::MakeCurrent(int row) {
    const QModelIndex target = model_->index(row);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target);
}

void QtListWidget::ClearCurrent() {
    selectionModel()->clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void QtListWidget::mousePressEvent(QMouseEvent* event) {
    FlushUpdates();
    if (ListStyle() == Style::SingleSelection && event->button() != Qt::LeftButton) {
        // Only the primary button picks a row; the others are reported and nothing more.
        emit MouseDown(ToMouseEvent(*event));
        return;
    }
    QListView::mousePressEvent(event);
    following_ = event->button() == Qt::LeftButton;
    emit MouseDown(ToMouseEvent(*event));
}

void QtListWidget::mouseMoveEvent(QMouseEvent* event) {
    if (ListStyle() != Style::SingleSelection) {
        QListView::mouseMoveEvent(event);
        return;
    }
    if (following_ && (event->buttons() & Qt::LeftButton)) {
        const QModelIndex under = indexAt(event->position().toPoint());
        if (under.isValid() && under != currentIndex()) {
            selectionModel()->setCurrentIndex(under, QItemSelectionModel::ClearAndSelect);
        }
    }
}

void QtListWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        following_ = false;
    }
    QListView::mouseReleaseEvent(event);
    emit MouseUp(ToMouseEvent(*event));
    FlushUpdates();
}

void QtListWidget::keyPressEvent(QKeyEvent* event) {
    FlushUpdates();
    QListView::keyPressEvent(event);
}

void QtListWidget::keyboardSearch(const QString& search) {
    TypeAheadIn(*this, typeAhead_, search,
                [this](int row) -> std::string_view { return model_->Text(row); });
}

void QtListWidget::focusInEvent(QFocusEvent* event) {
    FlushUpdates();
    // Qt makes the first row current when a list with no current row takes the focus; here
    // the user picks the current row, so that is undone.
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

QItemSelectionModel::SelectionFlags QtListWidget::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
    QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    if (command & QItemSelectionModel::Deselect) {
        return QItemSelectionModel::NoUpdate;  // the picked row stays picked
    }
    return command;
}

}  // namespace kelvane::qt

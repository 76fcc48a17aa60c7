#include "qtlistwidget.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include "listmodel.h"
#include "widgets/widgeterror.h"

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

QtListWidget::QtListWidget(Style style, QWidget* parent)
    : QListView(parent), style_(style), model_(new ListModel(style == Style::CheckBox, this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
}

void QtListWidget::Check(int index) const {
    if (index < 0 || index >= model_->Count()) {
        throw WidgetError("list index " + std::to_string(index) + " out of range");
    }
}

int QtListWidget::ListCount() const {
    return model_->Count();
}

std::string QtListWidget::List(int index) const {
    Check(index);
    return model_->Text(index);
}

void QtListWidget::SetList(int index, const std::string& text) {
    Check(index);
    model_->SetText(index, text);
}

bool QtListWidget::Selected(int index) const {
    Check(index);
    if (style_ == Style::CheckBox) {
        return model_->Checked(index);
    }
    return selectionModel()->isSelected(model_->index(index));
}

void QtListWidget::SetSelected(int index, bool selected) {
    Check(index);
    if (style_ == Style::CheckBox) {
        model_->SetChecked(index, selected);
    } else if (selected) {
        MakeCurrent(index);
    } else if (selectionModel()->isSelected(model_->index(index))) {
        ClearCurrent();
    }
}

int QtListWidget::ListIndex() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void QtListWidget::SetListIndex(int index) {
    if (index == -1) {
        ClearCurrent();
        return;
    }
    Check(index);
    MakeCurrent(index);
}

void QtListWidget::AddItem(const std::string& text) {
    model_->Append(text);
    newIndex_ = model_->Count() - 1;
}

void QtListWidget::RemoveItem(int index) {
    Check(index);
    if (ListIndex() == index) {
        ClearCurrent();
    }
    model_->Remove(index);
    newIndex_ = -1;
}

void QtListWidget::Clear() {
    model_->Clear();
    ClearCurrent();
    newIndex_ = -1;
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
    if (style_ == Style::SingleSelection && event->button() != Qt::LeftButton) {
        // Only the primary button picks a row; the others are reported and nothing more.
        emit MouseDown(ToMouseEvent(*event));
        return;
    }
    QListView::mousePressEvent(event);
    following_ = event->button() == Qt::LeftButton;
    emit MouseDown(ToMouseEvent(*event));
}

void QtListWidget::mouseMoveEvent(QMouseEvent* event) {
    if (style_ != Style::SingleSelection) {
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
}

void QtListWidget::focusInEvent(QFocusEvent* event) {
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

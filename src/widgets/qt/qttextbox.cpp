#include "qttextbox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMetaObject>
#include <QWindow>

#include "localtext.h"

namespace kelvane::qt {

QtTextBox::QtTextBox(QWidget* parent) : QLineEdit(parent) {}

QtTextBox::~QtTextBox() {
    // The widget's own destruction moves its window's focus; the box is gone by then.
    if (window_ != nullptr) {
        disconnect(window_, nullptr, this, nullptr);
    }
}

std::string QtTextBox::Text() const {
    return ToLocal(text());
}

void QtTextBox::SetText(const std::string& text) {
    setText(FromLocal(text));
}

std::pair<std::size_t, std::size_t> QtTextBox::ShownSelection() const {
    if (!hasSelectedText()) {
        const auto caret = static_cast<std::size_t>(cursorPosition());
        return {caret, caret};
    }
    return {static_cast<std::size_t>(selectionStart()), static_cast<std::size_t>(selectionEnd())};
}

void QtTextBox::ShowSelection(std::size_t start, std::size_t end) {
    if (end > start) {
        setSelection(static_cast<int>(start), static_cast<int>(end - start));
    } else {
        deselect();
        setCursorPosition(static_cast<int>(start));
    }
}

void QtTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason) {
        return;  // the window lost activation; the focus stays with this box in it
    }
    QMetaObject::invokeMethod(this, &QtTextBox::RaiseLostFocusIfMoved, Qt::QueuedConnection);
}

void QtTextBox::showEvent(QShowEvent* event) {
    QLineEdit::showEvent(event);
    // The window has its window-system window by now; a new one after its flags change.
    QWindow* handle = window()->windowHandle();
    if (handle != window_) {
        if (window_ != nullptr) {
            disconnect(window_, nullptr, this, nullptr);
        }
        window_ = handle;
        if (handle != nullptr) {
            connect(handle, &QWindow::focusObjectChanged, this, &QtTextBox::WindowFocusMoved);
        }
    }
    windowFocus_ = window()->focusWidget() == this;
}

void QtTextBox::WindowFocusMoved(QObject* focused) {
    const bool moved = windowFocus_ && focused != this;
    windowFocus_ = focused == this;
    // A box that holds the application's focus hears of the move by a focus-out event, which
    // follows. Any other move (in a window that isn't active, or as the window is activated
    // with the focus still on a box that was hidden meanwhile) sends none.
    if (moved && QApplication::focusWidget() != this) {
        QMetaObject::invokeMethod(this, &QtTextBox::RaiseLostFocusIfMoved, Qt::QueuedConnection);
    }
}

void QtTextBox::RaiseLostFocusIfMoved() {
    // By now the focus change is complete: raise the event only if the focus went to another
    // control of this window and is still there.
    const QWidget* focused = window()->focusWidget();
    if (focused != nullptr && focused != this) {
        emit LostFocus();
    }
}

}  // namespace kelvane::qt

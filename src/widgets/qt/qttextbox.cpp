#include "qttextbox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMetaObject>
#include <QWindow>

#include "localtext.h"
#include "widgets/widgeterror.h"

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

int QtTextBox::BytesBefore(int position) const {
    return static_cast<int>(text().left(position).toLocal8Bit().size());
}

int QtTextBox::PositionOfByte(int bytes) const {
    const QString all = text();
    if (bytes <= 0) {
        return 0;
    }
    for (int position = 1; position <= all.size(); ++position) {
        if (BytesBefore(position) >= bytes) {
            return position;
        }
    }
    return static_cast<int>(all.size());
}

int QtTextBox::SelStart() const {
    return BytesBefore(hasSelectedText() ? selectionStart() : cursorPosition());
}

void QtTextBox::SetSelStart(int start) {
    deselect();
    setCursorPosition(PositionOfByte(start));
}

int QtTextBox::SelLength() const {
    if (!hasSelectedText()) {
        return 0;
    }
    const int start = selectionStart();
    return BytesBefore(start + static_cast<int>(selectedText().size())) - BytesBefore(start);
}

void QtTextBox::SetSelLength(int length) {
    const int startBytes = SelStart();
    const int start = PositionOfByte(startBytes);
    const int end = PositionOfByte(startBytes + (length > 0 ? length : 0));
    if (end > start) {
        setSelection(start, end - start);
    } else {
        deselect();
        setCursorPosition(start);
    }
}

void QtTextBox::SetFocus() {
    // A box on a page that isn't shown can't take the focus. Giving it anyway would leave the
    // user typing into an invisible box, with every later click pulling the focus back there.
    if (!isVisible()) {
        throw WidgetError("a hidden text box can't take the focus");
    }
    setFocus(Qt::OtherFocusReason);
}

void QtTextBox::SetMaxLength(int length) {
    maxLength_ = length > 0 ? length : 0;
    setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
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

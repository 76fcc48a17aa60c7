#include "commandbutton.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>

namespace kelvane::qt {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

bool CommandButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->isAmbiguous() || !isEnabled()) {
            return QPushButton::event(event);
        }
        if (focusPolicy() == Qt::NoFocus) {
            click();
            return true;
        }
        setFocus(Qt::ShortcutFocusReason);
        // Run the LostFocus the focus change queued, to its end, before deciding on the click.
        // Left queued, the click would run in whatever event loop comes first: the message box
        // of a failed entry check, behind its back.
        const QPointer<CommandButton> self(this);
        RunPendingFocusLoss();
        if (self != nullptr && (HoldsFocus() || clicksWhenFocusTakenBack_) && isEnabled()) {
            click();
        }
        return true;
    }
    return QPushButton::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter || event->key() == Qt::Key_Space) {
        // A key typed ahead, right after the Tab that brought the focus here, waits for the
        // LostFocus that Tab queued; if that handler took the focus back, the key is spent.
        const QPointer<CommandButton> self(this);
        RunPendingFocusLoss();
        if (self == nullptr || !HoldsFocus()) {
            event->accept();
            return;
        }
    }
    if (enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::mousePressEvent(QMouseEvent* event) {
    // The press has just moved the focus here; run the LostFocus it queued before the button
    // goes down. If that handler took the focus back, the press is spent and no click follows.
    const bool hadFocusBefore = HoldsFocus();
    const QPointer<CommandButton> self(this);
    RunPendingFocusLoss();
    if (self == nullptr) {
        return;  // the handler took the button away with its window
    }
    if (hadFocusBefore && !HoldsFocus()) {
        event->accept();
        if (clicksWhenFocusTakenBack_ && isEnabled()) {
            click();  // the press was the whole click: the button never went down
        }
        return;
    }
    QPushButton::mousePressEvent(event);
}

bool CommandButton::HoldsFocus() const {
    return window()->focusWidget() == this;
}

void CommandButton::RunPendingFocusLoss() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

}  // namespace kelvane::qt

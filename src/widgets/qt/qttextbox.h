#pragma once

#include <QLineEdit>
#include <QPointer>

#include "widgets/textboxcore.h"

namespace kelvane::qt {

// A one-line text box. Text crosses as local 8-bit bytes; SelStart and SelLength count bytes of
// that 8-bit text and are mapped to and from Qt's character positions.
//
// LostFocus is emitted when the focus has moved from this box to another control of the same
// window: by the mouse, Tab, Shift+Tab, an access key, or a call of SetFocus on that control. It
// is not emitted when the window merely loses activation (another program, one of our own
// message boxes or dialogs, a menu opening). It is emitted queued, once the focus change is
// complete, so a handler may open a modal message box and give the focus back.
//
// The move counts whether or not the window is active. Qt tells a widget of focus changes only
// in the active window; in one that isn't (a click lands before the window system has
// activated it, as with no window manager) it merely records which control has the focus, and
// the box learns of the move from its window instead.
class QtTextBox : public QLineEdit, public TextBoxCore {
    Q_OBJECT

  public:
    explicit QtTextBox(QWidget* parent = nullptr);
    ~QtTextBox() override;

    std::string Text() const override;
    void SetText(const std::string& text) override;

  signals:
    void LostFocus();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    std::pair<std::size_t, std::size_t> ShownSelection() const override;
    void ShowSelection(std::size_t start, std::size_t end) override;
    bool Shown() const override { return isVisible(); }
    void TakeFocus() override { setFocus(Qt::OtherFocusReason); }
    void ShowMaxLength(int length) override { setMaxLength(length > 0 ? length : 32767); }

  private:
    void RaiseLostFocusIfMoved();
    // The window's focus has moved to `focused`, its new focus object.
    void WindowFocusMoved(QObject* focused);

    QPointer<QWindow> window_;  // whose focus changes the box follows
    bool windowFocus_ = false;  // the box is its window's focus widget, as last told
};

}  // namespace kelvane::qt

#pragma once

#include <QLineEdit>

#include "widgets/textbox.h"

namespace kelvane::qt {

// A one-line text box. Text crosses as local 8-bit bytes; SelStart and SelLength count bytes of
// that 8-bit text and are mapped to and from Qt's character positions.
//
// LostFocus is emitted when the focus has moved from this box to another control of the same
// window: by the mouse, Tab, Shift+Tab, an access key, or a call of SetFocus on that control. It
// is not emitted when the window merely loses activation (another program, one of our own
// message boxes or dialogs, a menu opening). It is emitted queued, once the focus change is
// complete, so a handler may open a modal message box and give the focus back.
class QtTextBox : public QLineEdit, public TextBox {
    Q_OBJECT

  public:
    explicit QtTextBox(QWidget* parent = nullptr);

    std::string Text() const override;
    void SetText(const std::string& text) override;
    int SelStart() const override;
    void SetSelStart(int start) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    void SetFocus() override;
    int MaxLength() const override { return maxLength_; }
    void SetMaxLength(int length) override;

  signals:
    void LostFocus();

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Bytes of the 8-bit text before character position `position`, and back.
    int BytesBefore(int position) const;
    int PositionOfByte(int bytes) const;
    void RaiseLostFocusIfMoved();

    int maxLength_ = 0;
};

}  // namespace kelvane::qt

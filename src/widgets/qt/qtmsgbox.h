#pragma once

#include <QMessageBox>
#include <memory>

#include "widgets/msgbox.h"

namespace kelvane::qt {

// Message boxes shown with QMessageBox, modal to the owner window. A box given an empty title
// is titled with the application title. The text is shown as plain text.
//
// A question (Yes and No, Yes the default button) returns Yes only when Yes was pressed (or
// Enter on it); Esc, the close box and any other way of closing it return No. The boxes with
// only OK return Ok however they close.
class QtMsgBox : public MsgBox {
  public:
    // `owner` is the window the boxes are modal to; null for none.
    explicit QtMsgBox(QWidget* owner = nullptr) : owner_(owner) {}

    Button Show(const std::string& text, Style style, const std::string& title) override;

    // The box Show would run, built but not shown.
    static std::unique_ptr<QMessageBox> Build(QWidget* owner, const std::string& text, Style style,
                                              const std::string& title);

  private:
    QWidget* owner_;
};

}  // namespace kelvane::qt

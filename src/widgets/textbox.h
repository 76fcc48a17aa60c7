#pragma once

#include <string>

namespace kelvane {

// A one-line text box. Selection positions count bytes of the 8-bit text, so the length of
// Text() selects it whole.
//
// Its LostFocus event is raised when the focus moves to another control of the same window;
// it is not raised when the window merely loses activation.
class TextBox {
  public:
    virtual ~TextBox() = default;

    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;

    virtual int SelStart() const = 0;
    // Puts the cursor at start and selects nothing.
    virtual void SetSelStart(int start) = 0;
    virtual int SelLength() const = 0;
    // Selects length bytes from SelStart on.
    virtual void SetSelLength(int length) = 0;

    virtual void SetFocus() = 0;

    // The most characters the user can type; 0 for no limit.
    virtual int MaxLength() const = 0;
    virtual void SetMaxLength(int length) = 0;
};

}  // namespace kelvane

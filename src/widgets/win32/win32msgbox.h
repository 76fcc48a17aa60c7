#pragma once

#include "widgets/msgbox.h"
#include "win32api.h"

namespace kelvane::win32 {

// Message boxes shown with MessageBoxW, modal to the owner window: information and OK,
// question with Yes and No (Yes the default), critical and OK, or no icon and OK. A box given an
// empty title is titled with the application title.
//
// A Yes/No box has no Cancel button, so the system would ignore Esc and disable its close box:
// here both answer No, as they do on the other platform.
class Win32MsgBox : public MsgBox {
  public:
    // `owner` is the window the boxes are modal to; null for none.
    explicit Win32MsgBox(HWND owner = nullptr) : owner_(owner) {}

    Button Show(const std::string& text, Style style, const std::string& title) override;

    // The MessageBoxW flags of a style.
    static UINT Flags(Style style);

  private:
    HWND owner_;
};

}  // namespace kelvane::win32

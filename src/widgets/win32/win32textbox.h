#pragma once

#include "control.h"
#include "widgets/textboxcore.h"

namespace kelvane::win32 {

// A one-line edit box. Text is the box's text in UTF-8, exactly as typed; a text the program set
// comes back exactly as set, bytes that aren't UTF-8 included, for as long as the box shows it
// unchanged (such bytes show as U+FFFD, which names no other file). SelStart and SelLength count
// bytes of Text(), as the contract says, taken from the edit's UTF-16 positions (a surrogate
// typed without its pair, which only a program can type, shifts the positions after it).
// MaxLength is enforced while typing (0 for no limit).
//
// LostFocus is raised when the focus has moved from the box to another control of the same
// window (mouse, Tab, an access key or a SetFocus), never when the window merely loses
// activation (another program, a message box opening, a menu). It is never raised inside the
// focus change itself: the window runs it at the next turn of its loop, or just before a button
// click, so its handler may show a message box and give the focus back.
class Win32TextBox : public Control, public TextBoxCore {
  public:
    using Control::Control;

    bool Make(HWND form, int id) override;
    void FocusByKeyboard() override;

    std::string Text() const override;
    void SetText(const std::string& text) override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::pair<std::size_t, std::size_t> ShownSelection() const override;
    void ShowSelection(std::size_t start, std::size_t end) override;
    bool Shown() const override { return IsWindowVisible(Hwnd()) != FALSE; }
    void TakeFocus() override { ::SetFocus(Hwnd()); }
    void ShowMaxLength(int length) override;

  private:
    std::string set_;        // the text the program set last
    std::wstring setShown_;  // and how the box showed it
};

}  // namespace kelvane::win32

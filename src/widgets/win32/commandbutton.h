#pragma once

#include "control.h"

namespace kelvane::win32 {

// A command button: its caption, or instead the Up or Down picture. Mouse, Space, Enter and its
// access key all click it through the window (Win32Window::Click), so a text box's pending
// focus-loss check runs first, and when that check takes the focus back the click never runs.
// A mouse press runs the check before the button goes down: a press that loses the focus to
// the check is spent, and its release clicks nothing.
class CommandButton : public Control {
  public:
    using Control::Control;
    ~CommandButton() override;

    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;
    bool Raises(Event event) const override { return event == Event::Click; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kelvane::win32

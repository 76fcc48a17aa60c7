#pragma once

#include "control.h"

namespace kelvane::win32 {

// A command button: its caption, or instead the Up or Down picture. Mouse, Space, Enter and its
// access key all click it through the window (Win32Window::Click), so a text box's pending
// focus-loss check runs first, and when that check takes the focus back the click never runs.
// A press of the left button runs that check before the button goes down: when the check takes
// the focus back, the press is spent and its release clicks nothing either. A button described
// as clicking when the focus is taken back (clicksWhenFocusTakenBack) clicks after the check in
// both cases.
class CommandButton : public Control {
  public:
    using Control::Control;
    ~CommandButton() override;

    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kelvane::win32

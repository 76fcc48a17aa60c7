#pragma once

#include "control.h"

namespace kelvane::win32 {

// A command button: its caption, or instead the Up or Down picture. Mouse, Space, Enter and its
// access key all click it through the window (Win32Window::Click), so a text box's pending
// focus-loss check runs first, and when that check takes the focus back the click never runs.
// (A press held down while the check's message box opens loses the focus and the mouse to the
// box, so its release clicks nothing either.)
class CommandButton : public Control {
  public:
    using Control::Control;
    ~CommandButton() override;

    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;
};

}  // namespace kelvane::win32

#pragma once

#include "win32api.h"

namespace kelvane::win32 {

class Win32Window;

// Makes a Win32Window from its description: the window with its menu bar, then every control
// of the kind described, with its texts and tooltip, drawn in the described order (the one
// described first on top; containers under the controls they hold), the first page of each tab
// control shown, and everything laid out at the window's DPI.
class WindowBuilder {
  public:
    explicit WindowBuilder(Win32Window& window) : window_(window) {}

    void Build(HWND owner, int dpi);

  private:
    HMENU Menus();
    bool MakeControls();
    void Stack();
    void AddTooltips();

    Win32Window& window_;
};

}  // namespace kelvane::win32

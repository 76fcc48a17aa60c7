#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "control.h"
#include "win32api.h"

namespace kelvane::win32 {

class Win32Window;

// What a window's description made of native windows: the menu bar with the native id of each
// item, every control in the described order, and the tooltips.
struct BuiltWindow {
    HMENU menuBar = nullptr;
    std::map<int, std::string> menuItems;
    std::vector<std::unique_ptr<Control>> controls;
    HWND tooltip = nullptr;
};

// Makes the native window of `window` (owned by `owner`, with the procedure `proc`, which gets
// `window` as its creation parameter) with its menu bar, then every control of the kind described
// with its texts and tooltip, drawn in the described order (the one described first on top;
// containers under the controls they hold), each named for screen readers as its description
// names it (FormDesign::AccessibleName). Raises WidgetError when the platform can't make the
// window or one of its controls; what was made of the controls goes again, and the caller
// destroys the native window if it was made.
class WindowBuilder {
  public:
    static BuiltWindow Build(Win32Window& window, HWND owner, WNDPROC proc);
};

}  // namespace kelvane::win32

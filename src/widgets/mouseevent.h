#pragma once

namespace kelvane {

// What a mouse press or release over a list tells its handler.
struct MouseEvent {
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum Shift { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

    int button = LeftButton;  // the one button that went down or up
    int shift = 0;            // the Shift, Ctrl and Alt keys held, as a bit set
    int x = 0;                // pointer position inside the list, in pixels
    int y = 0;
};

}  // namespace kelvane

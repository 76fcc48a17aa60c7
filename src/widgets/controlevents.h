#pragma once

#include <string>

#include "widgets/formdesign.h"

namespace kelvane {

// The events a window raises to the program, by control name.
enum class Event {
    Click,      // a button or menu item
    Change,     // a drive list (the user picked a drive) or folder list (another folder opened)
    LostFocus,  // a text box, when the focus moved to another control of the window
    MouseDown,  // a list box, either style: a mouse button went down over it
    MouseUp,    // a list box or file list: a button that went down over it came up
};

// Whether a control of this kind raises the event. Every toolkit raises these and no others, and
// every window refuses a handler for any other.
bool Raises(ControlKind kind, Event event);

// Whether the control or menu item of that name raises the event: a menu item raises Click (a
// separator nothing), a control what its kind raises, a name the window lacks nothing.
bool Raises(const FormDesign& form, const std::string& name, Event event);

}  // namespace kelvane

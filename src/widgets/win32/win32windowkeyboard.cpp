// The keyboard of a window of ours: Tab and Shift+Tab in the described order, Enter, Esc and
// the access keys of the buttons.
#include <string>

#include "base/widetext.h"
#include "control.h"
#include "win32window.h"

namespace kelvane::win32 {

namespace {

bool KeyDown(int key) {
    return GetKeyState(key) < 0;
}

wchar_t Upper(wchar_t letter) {
    CharUpperBuffW(&letter, 1);
    return letter;
}

// The access letter of a caption, upper-cased; 0 for none.
wchar_t AccessKey(const std::string& caption) {
    const std::wstring letter = ToWideShown(AccessLetter(caption));
    return letter.empty() ? 0 : Upper(letter[0]);
}

bool Reachable(const Control& control) {
    return IsWindowVisible(control.Hwnd()) && IsWindowEnabled(control.Hwnd());
}

}  // namespace

void Win32Window::FocusFirst() {
    for (Control* control : tabOrder_) {
        if (Reachable(*control)) {
            SetFocus(control->Hwnd());
            return;
        }
    }
}

void Win32Window::MoveFocus(bool backwards) {
    const int count = static_cast<int>(tabOrder_.size());
    if (count == 0) {
        return;
    }
    const Control* current = ControlOf(GetFocus());
    int index = -1;
    for (int i = 0; i < count; ++i) {
        if (tabOrder_[static_cast<std::size_t>(i)] == current) {
            index = i;
        }
    }
    if (index < 0) {
        index = backwards ? 0 : count - 1;
    }
    for (int step = 1; step <= count; ++step) {
        const int next = ((index + (backwards ? -step : step)) % count + count) % count;
        Control* control = tabOrder_[static_cast<std::size_t>(next)];
        if (Reachable(*control)) {
            // The focus rectangles show from the first use of the keyboard on.
            SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            control->FocusByKeyboard();
            return;
        }
    }
}

Control* Win32Window::ButtonWithAccessKey(wchar_t letter) const {
    const wchar_t wanted = Upper(letter);
    for (const auto& control : built_.controls) {
        if (control->Design().kind == ControlKind::Button && Reachable(*control) &&
            AccessKey(control->Design().Caption()) == wanted) {
            return control.get();
        }
    }
    return nullptr;
}

bool Win32Window::PreTranslate(const MSG& message) {
    if (IsWindowEnabled(hwnd_) == FALSE) {
        return false;
    }
    Control* focused = ControlOf(GetFocus());
    if (message.message == WM_KEYDOWN) {
        const bool plain = !KeyDown(VK_CONTROL) && !KeyDown(VK_MENU);
        switch (message.wParam) {
            case VK_TAB:
                if (!plain) {
                    return false;
                }
                MoveFocus(KeyDown(VK_SHIFT));
                return true;
            case VK_RETURN:
                if (focused != nullptr && focused->Design().kind == ControlKind::Button) {
                    Click(*focused);  // Enter clicks the button that has the focus
                    return true;
                }
                if (focused != nullptr && focused->WantsEnter()) {
                    return false;
                }
                if (Control* button = Find(Design().defaultButton)) {
                    Click(*button);
                    return true;
                }
                return false;
            case VK_ESCAPE:
                if (focused != nullptr && focused->WantsEscape()) {
                    return false;
                }
                if (Control* button = Find(Design().cancelButton)) {
                    Click(*button);
                    return true;
                }
                return false;
            default:
                return false;
        }
    }
    if (message.message == WM_SYSCHAR) {
        // Alt with a button's access letter moves the focus to the button, then clicks it.
        Control* button = ButtonWithAccessKey(static_cast<wchar_t>(message.wParam));
        if (button == nullptr) {
            return false;  // the menu bar's letters
        }
        SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        SetFocus(button->Hwnd());
        Click(*button);
        return true;
    }
    return false;
}

}  // namespace kelvane::win32

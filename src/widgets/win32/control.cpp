#include "control.h"

#include "base/widetext.h"
#include "win32window.h"

namespace kelvane::win32 {

Control::Control(Win32Window& window, const ControlDesign& design)
    : window_(window), design_(design) {}

Control::~Control() {
    if (hwnd_ != nullptr) {
        RemoveWindowSubclass(hwnd_, &Control::SubclassProc, 0);
    }
}

bool Control::Create(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text,
                     HWND parent, int id) {
    hwnd_ = CreateWindowExW(exStyle, className, ToWideShown(text).c_str(),
                            style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) {
        return false;
    }
    classProc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd_, GCLP_WNDPROC));
    SetWindowSubclass(hwnd_, &Control::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void Control::FocusByKeyboard() {
    SetFocus(hwnd_);
}

void Control::Place(const PixelRect& place, int /*dpi*/) {
    SetWindowPos(hwnd_, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Control::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Control::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT Control::Direct(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(classProc_, hwnd_, message, wParam, lParam);
}

void Control::Raise(Event event, const MouseEvent& mouse) {
    window_.Raise(Name(), event, mouse);
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR self) {
    auto* control = reinterpret_cast<Control*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &Control::SubclassProc, 0);
        control->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return control->OnMessage(message, wParam, lParam);
}

MouseEvent ToMouseEvent(UINT message, WPARAM wParam, LPARAM lParam) {
    MouseEvent event;
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            event.button = MouseEvent::RightButton;
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            event.button = MouseEvent::MiddleButton;
            break;
        default:
            event.button = MouseEvent::LeftButton;
            break;
    }
    event.shift = ((wParam & MK_SHIFT) != 0 ? MouseEvent::ShiftKey : 0) |
                  ((wParam & MK_CONTROL) != 0 ? MouseEvent::CtrlKey : 0) |
                  (GetKeyState(VK_MENU) < 0 ? MouseEvent::AltKey : 0);
    event.x = GET_X_LPARAM(lParam);
    event.y = GET_Y_LPARAM(lParam);
    return event;
}

std::string WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    const int length = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return FromWide(text);
}

void SetWindowTextShown(HWND hwnd, const std::string& text) {
    SetWindowTextW(hwnd, ToWideShown(text).c_str());
}

}  // namespace kelvane::win32

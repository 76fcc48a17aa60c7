// Where a window of ours and its controls go, in pixels at the window's DPI.
#include "layout.h"

#include "control.h"
#include "win32window.h"

namespace kelvane::win32 {

namespace {

using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// GetDpiForMonitor where the system has it (Windows 8.1 on); the screen's DPI otherwise.
int DpiOf(HMONITOR monitor) {
    static const auto getDpi = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");
        FARPROC found = shcore == nullptr ? nullptr : GetProcAddress(shcore, "GetDpiForMonitor");
        return reinterpret_cast<GetDpiForMonitorFunction>(reinterpret_cast<void*>(found));
    }();
    UINT x = 0;
    UINT y = 0;
    if (getDpi != nullptr && monitor != nullptr && SUCCEEDED(getDpi(monitor, 0, &x, &y)) && y > 0) {
        return static_cast<int>(y);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int MonitorDpi(const FormDesign& form) {
    POINT where{0, 0};
    if (form.screenPlace) {
        // Any DPI finds the monitor: the place only has to fall on it.
        where = {TwipsToPixels(form.screenPlace->x, 96), TwipsToPixels(form.screenPlace->y, 96)};
    }
    return DpiOf(MonitorFromPoint(where, MONITOR_DEFAULTTOPRIMARY));
}

void Win32Window::LayOut(int dpi, const RECT* suggested) {
    const int width = TwipsToPixels(Design().width, dpi);
    const int height = TwipsToPixels(Design().height, dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kFormStyle, built_.menuBar != nullptr, kFormExStyle);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (suggested != nullptr) {
        frame = *suggested;  // Windows' own place for the window at its new DPI
    } else if (Design().screenPlace && !IsWindowVisible(hwnd_)) {
        // The client area's top-left corner goes to the described place.
        OffsetRect(&frame, TwipsToPixels(Design().screenPlace->x, dpi),
                   TwipsToPixels(Design().screenPlace->y, dpi));
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(hwnd_, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, flags);
    // A menu bar that wraps takes more room than foreseen, and a suggested frame may be a pixel
    // off: size the frame by what the client area misses.
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right != width || client.bottom != height) {
        RECT outer{};
        GetWindowRect(hwnd_, &outer);
        SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }

    HFONT windowFont = fonts_.Font(Design().font, dpi);
    for (const auto& control : built_.controls) {
        const ControlDesign& design = control->Design();
        HFONT font = design.font.face.empty() ? windowFont : fonts_.Font(design.font, dpi);
        SendMessageW(control->Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        control->Place(Design().ClientPlace(design, dpi), dpi);
    }
    if (built_.tooltip != nullptr) {
        SendMessageW(built_.tooltip, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont), FALSE);
        SendMessageW(built_.tooltip, TTM_SETMAXTIPWIDTH, 0, MulDiv(320, dpi, 96));
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace kelvane::win32

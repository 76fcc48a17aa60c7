#include "messageloop.h"

#include "win32window.h"

namespace kelvane::win32 {

void Dispatch(MSG& message) {
    const bool keyboard = message.message == WM_KEYDOWN || message.message == WM_SYSCHAR;
    if (keyboard) {
        Win32Window* window = Win32Window::FromHandle(message.hwnd);
        if (window != nullptr && window->PreTranslate(message)) {
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void RunUntil(const std::function<bool()>& done) {
    MSG message{};
    while (!done()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

void PumpPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

}  // namespace kelvane::win32

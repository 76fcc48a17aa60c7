#include "win32textbox.h"

#include "base/widetext.h"
#include "win32window.h"

namespace kelvane::win32 {

bool Win32TextBox::Make(HWND form, int id) {
    if (!Create(L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, "", form, id)) {
        return false;
    }
    SetMaxLength(Design().maxLength);
    return true;
}

void Win32TextBox::FocusByKeyboard() {
    ::SetFocus(Hwnd());
    SendMessageW(Hwnd(), EM_SETSEL, 0, -1);
}

std::string Win32TextBox::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Hwnd())) + 1, L'\0');
    const int length = GetWindowTextW(Hwnd(), text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text == setShown_ ? set_ : FromWide(text);
}

void Win32TextBox::SetText(const std::string& text) {
    set_ = text;
    setShown_ = ToWideShown(text);
    SetWindowTextW(Hwnd(), setShown_.c_str());
}

std::pair<std::size_t, std::size_t> Win32TextBox::ShownSelection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void Win32TextBox::ShowSelection(std::size_t start, std::size_t end) {
    SendMessageW(Hwnd(), EM_SETSEL, start, static_cast<LPARAM>(end));
}

void Win32TextBox::ShowMaxLength(int length) {
    SendMessageW(Hwnd(), EM_SETLIMITTEXT, static_cast<WPARAM>(length), 0);
}

LRESULT Win32TextBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(message, wParam, lParam);
    if (message == WM_KILLFOCUS) {
        HWND next = reinterpret_cast<HWND>(wParam);
        if (next != nullptr && IsChild(Window().Hwnd(), next)) {
            Window().QueueLostFocus(*this);
        }
    }
    return result;
}

}  // namespace kelvane::win32

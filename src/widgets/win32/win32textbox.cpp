#include "win32textbox.h"

#include "base/widetext.h"
#include "widgets/widgeterror.h"
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

int Win32TextBox::SelStart() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(BytesBeforeShownUnit(Text(), start));
}

void Win32TextBox::SetSelStart(int start) {
    const auto units = static_cast<WPARAM>(
        ShownUnitsBefore(Text(), static_cast<std::size_t>(start > 0 ? start : 0)));
    SendMessageW(Hwnd(), EM_SETSEL, units, static_cast<LPARAM>(units));
}

int Win32TextBox::SelLength() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const std::string text = Text();
    return static_cast<int>(BytesBeforeShownUnit(text, end) - BytesBeforeShownUnit(text, start));
}

void Win32TextBox::SetSelLength(int length) {
    const std::string text = Text();
    const auto start = static_cast<std::size_t>(SelStart());
    const std::size_t end = start + static_cast<std::size_t>(length > 0 ? length : 0);
    SendMessageW(Hwnd(), EM_SETSEL, ShownUnitsBefore(text, start),
                 static_cast<LPARAM>(ShownUnitsBefore(text, end)));
}

void Win32TextBox::SetFocus() {
    if (!IsWindowVisible(Hwnd())) {
        throw WidgetError("a hidden text box can't take the focus");
    }
    ::SetFocus(Hwnd());
}

void Win32TextBox::SetMaxLength(int length) {
    maxLength_ = length > 0 ? length : 0;
    SendMessageW(Hwnd(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
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

#include "win32msgbox.h"

#include "base/widetext.h"
#include "widgets/application.h"

namespace kelvane::win32 {

namespace {

// The Yes/No box being opened on this thread: Esc and its close box give No.
HHOOK gHook = nullptr;

LRESULT CALLBACK AnswerNoOnCancel(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        // Esc, and the close box (which the dialog turns into IDCANCEL).
        return DefSubclassProc(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                               reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    }
    if (message == WM_CLOSE) {
        return DefSubclassProc(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                               reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, &AnswerNoOnCancel, 0);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT CALLBACK WatchForBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        auto box = reinterpret_cast<HWND>(wParam);
        wchar_t name[16] = {};
        GetClassNameW(box, name, 16);
        if (lstrcmpW(name, L"#32770") == 0 && GetDlgItem(box, IDNO) != nullptr) {
            SetWindowSubclass(box, &AnswerNoOnCancel, 0, 0);
            EnableMenuItem(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
            UnhookWindowsHookEx(gHook);
            gHook = nullptr;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

UINT Win32MsgBox::Flags(Style style) {
    switch (style) {
        case Style::Information:
            return MB_OK | MB_ICONINFORMATION;
        case Style::Question:
            return MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1;
        case Style::Critical:
            return MB_OK | MB_ICONERROR;
        case Style::Plain:
            return MB_OK;
    }
    return MB_OK;
}

MsgBox::Button Win32MsgBox::Show(const std::string& text, Style style, const std::string& title) {
    const std::string caption = title.empty() ? std::string(kAppTitle) : title;
    UINT flags = Flags(style);
    if (owner_ == nullptr) {
        flags |= MB_TASKMODAL;  // the program's windows take no input meanwhile
    }
    if (style == Style::Question && gHook == nullptr) {
        gHook = SetWindowsHookExW(WH_CBT, &WatchForBox, nullptr, GetCurrentThreadId());
    }
    const int pressed =
        MessageBoxW(owner_, ToWideShown(text).c_str(), ToWideShown(caption).c_str(), flags);
    if (gHook != nullptr) {
        UnhookWindowsHookEx(gHook);
        gHook = nullptr;
    }
    if (style == Style::Question) {
        return pressed == IDYES ? Button::Yes : Button::No;
    }
    return Button::Ok;
}

}  // namespace kelvane::win32

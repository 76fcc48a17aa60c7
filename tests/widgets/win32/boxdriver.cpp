#include "boxdriver.h"

#include "widgets/win32/control.h"
#include "widgets/win32/messageloop.h"

namespace kelvane::win32::test {

namespace {

BoxDriver* gDriver = nullptr;

HICON IconOf(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            return reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        }
    }
    return nullptr;
}

// Presses the dialog's No, Cancel or OK button, the first it has.
void CloseAny(HWND box) {
    for (const int id : {IDNO, IDCANCEL, IDOK}) {
        if (HWND button = GetDlgItem(box, id)) {
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            return;
        }
    }
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done) {
    for (int round = 0; round < 1000 && !done(); ++round) {
        PumpPending();
        if (!done()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    PumpPending();
    return done();
}

BoxDriver::BoxDriver() {
    gDriver = this;
    timer_ = SetTimer(nullptr, 0, 50, &BoxDriver::OnTimer);
}

BoxDriver::~BoxDriver() {
    KillTimer(nullptr, timer_);
    gDriver = nullptr;
}

void CALLBACK BoxDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (gDriver != nullptr) {
        gDriver->Look();
    }
}

void BoxDriver::Look() {
    for (auto it = handled_.begin(); it != handled_.end();) {
        if (!IsWindow(it->first)) {
            it = handled_.erase(it);
            continue;
        }
        if (++it->second == 20 && IsWindowVisible(it->first)) {
            ++unexpected;  // the action didn't close it
            CloseAny(it->first);
        }
        ++it;
    }
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            char name[16] = {};
            GetClassNameA(window, name, sizeof(name));
            if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) &&
                gDriver->handled_.count(window) == 0) {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    handled_[box] = 0;
    HWND text = GetDlgItem(box, 0xFFFF);
    const UINT close = GetMenuState(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND);
    seen.push_back({WindowText(box), text == nullptr ? std::string() : WindowText(text),
                    IconOf(box),
                    close != static_cast<UINT>(-1) && (close & (MF_GRAYED | MF_DISABLED)) == 0});
    if (next_ < script_.size()) {
        script_[next_++](box);
        return;
    }
    ++unexpected;
    CloseAny(box);
}

BoxDriver::Action BoxDriver::Press(int id) {
    return [id](HWND box) { SendMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0); };
}

BoxDriver::Action BoxDriver::Key(WPARAM key) {
    return [key](HWND box) {
        HWND focus = GetFocus();
        HWND target = focus != nullptr && IsChild(box, focus) ? focus : box;
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    };
}

BoxDriver::Action BoxDriver::CloseBox() {
    return [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

}  // namespace kelvane::win32::test

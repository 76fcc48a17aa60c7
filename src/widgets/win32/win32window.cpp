#include "win32window.h"

#include "control.h"
#include "layout.h"
#include "messageloop.h"
#include "plaincontrols.h"
#include "widgets/textcolor.h"

namespace kelvane::win32 {

Win32Window::Win32Window(const FormDesign& design, HWND owner, int dpi) : WindowCore(design) {
    try {
        built_ = WindowBuilder::Build(*this, owner, &Win32Window::Proc);
    } catch (...) {
        Destroy();
        throw;
    }
    for (const auto& control : built_.controls) {
        byName_[control->Name()] = control.get();
        byHwnd_[control->Hwnd()] = control.get();
        AddControl(control->Name(), *control);
    }
    for (const ControlDesign* control : Design().TabOrder()) {
        tabOrder_.push_back(Find(control->name));
    }
    for (const ControlDesign& control : Design().controls) {
        if (control.kind == ControlKind::TabControl) {
            ShowPage(control.name, 0);
        }
    }
    LayOut(dpi > 0 ? dpi : MonitorDpi(Design()));
}

Win32Window::~Win32Window() {
    Destroy();
}

void Win32Window::Destroy() {
    if (built_.tooltip != nullptr) {
        DestroyWindow(built_.tooltip);  // before the window that owns it, which would take it along
    }
    if (hwnd_ != nullptr) {
        EnableOthers(true);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);  // its controls first, then the window; the menu bar with it
    }
    built_.controls.clear();
}

Control* Win32Window::Find(const std::string& name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

Control* Win32Window::ControlOf(HWND hwnd) const {
    // A combo box's own children (its edit, its list) belong to it.
    for (HWND step = hwnd; step != nullptr && step != hwnd_; step = GetParent(step)) {
        const auto found = byHwnd_.find(step);
        if (found != byHwnd_.end()) {
            return found->second;
        }
    }
    return nullptr;
}

Win32Window* Win32Window::FromHandle(HWND hwnd) {
    HWND root = hwnd == nullptr ? nullptr : GetAncestor(hwnd, GA_ROOT);
    if (root == nullptr ||
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(root, GWLP_WNDPROC)) != &Win32Window::Proc) {
        return nullptr;
    }
    return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

void Win32Window::QueueLostFocus(Control& box) {
    pendingLostFocus_ = &box;
    PostMessageW(hwnd_, kLostFocusMessage, 0, 0);
}

bool Win32Window::FlushLostFocus() {
    Control* box = pendingLostFocus_;
    pendingLostFocus_ = nullptr;
    if (box == nullptr) {
        return false;
    }
    // Only if the focus went to another control of this window and is still there.
    HWND focus = GetFocus();
    if (focus == nullptr || focus == box->Hwnd() || !IsChild(hwnd_, focus)) {
        return false;
    }
    Raise(box->Name(), Event::LostFocus);
    return true;
}

void Win32Window::Click(Control& button) {
    if (FlushLostFocus() && GetFocus() != button.Hwnd() &&
        !button.Design().clicksWhenFocusTakenBack) {
        return;  // the focus-loss handler took the focus back: the press is spent
    }
    Raise(button.Name(), Event::Click);
}

void Win32Window::Show() {
    unloaded_ = false;
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    FocusFirst();
}

void Win32Window::EnableOthers(bool enable) {
    if (enable) {
        for (HWND other : disabled_) {
            if (IsWindow(other)) {
                EnableWindow(other, TRUE);
            }
        }
        disabled_.clear();
        return;
    }
    // While a window is shown modally the program's other windows take no input.
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND other, LPARAM self) -> BOOL {
            auto* window = reinterpret_cast<Win32Window*>(self);
            if (other != window->hwnd_ && other != window->built_.tooltip &&
                IsWindowVisible(other) && IsWindowEnabled(other)) {
                EnableWindow(other, FALSE);
                window->disabled_.push_back(other);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

void Win32Window::ShowModal() {
    if (modal_) {
        return;  // already shown modally
    }
    modal_ = true;
    EnableOthers(false);
    Show();
    RunUntil([this] { return unloaded_ || !IsWindow(hwnd_); });
    modal_ = false;
    EnableOthers(true);
}

void Win32Window::Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    pendingLostFocus_ = nullptr;
    // The other windows take input again before this one goes, so one of them is activated.
    EnableOthers(true);
    ShowWindow(hwnd_, SW_HIDE);
    RaiseUnload();
}

std::uintptr_t Win32Window::NativeHandle() const {
    return reinterpret_cast<std::uintptr_t>(hwnd_);
}

std::string Win32Window::Caption() const {
    return WindowText(hwnd_);
}

void Win32Window::SetCaption(const std::string& caption) {
    SetWindowTextShown(hwnd_, caption);
}

std::string Win32Window::LabelText(const ControlDesign& label) const {
    return WindowText(Find(label.name)->Hwnd());
}

void Win32Window::SetLabelText(const ControlDesign& label, const std::string& caption) {
    SetWindowTextShown(Find(label.name)->Hwnd(), caption);
}

void Win32Window::ShowPage(const std::string& tabControl, int page) {
    for (const auto& control : built_.controls) {
        const int onPage = Design().PageOn(control->Design(), tabControl);
        if (onPage >= 0) {
            ShowWindow(control->Hwnd(), onPage == page ? SW_SHOWNA : SW_HIDE);
        }
    }
}

void Win32Window::ShowPageOf(const ControlDesign& tabs, int page) {
    static_cast<TabControl*>(Find(tabs.name))->SetCurrentPage(page);
}

LRESULT CALLBACK Win32Window::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Win32Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            Control* control = ControlOf(header->hwndFrom);
            return control != nullptr ? control->OnNotify(*header) : 0;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Control* control = ControlOf(item->hwndItem);
            if (control != nullptr && control->OnDrawItem(*item)) {
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DPICHANGED:
            LayOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case kLostFocusMessage:
            FlushLostFocus();
            return 0;
        case DM_GETDEFID: {
            const Control* button = Find(Design().defaultButton);
            return button == nullptr ? 0 : MAKELRESULT(GetDlgCtrlID(button->Hwnd()), DC_HASDEFID);
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                savedFocus_ = IsChild(hwnd_, focus) ? focus : nullptr;
                return 0;
            }
            [[fallthrough]];
        case WM_SETFOCUS:
            // Give the focus back to the control that had it when the window was left.
            if (savedFocus_ != nullptr && IsWindow(savedFocus_) && IsWindowVisible(savedFocus_)) {
                SetFocus(savedFocus_);
            } else if (message == WM_SETFOCUS || GetFocus() == nullptr) {
                FocusFirst();
            }
            return 0;
        case WM_CLOSE:
            // Nothing is asked and nothing is saved.
            if (Control* cancel = Find(Design().cancelButton)) {
                Click(*cancel);
            } else {
                Unload();
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Win32Window::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        // A menu item (accelerators we have none).
        const auto item = built_.menuItems.find(LOWORD(wParam));
        if (HIWORD(wParam) == 0 && item != built_.menuItems.end()) {
            Raise(item->second, Event::Click);
        }
        return;
    }
    Control* control = ControlOf(reinterpret_cast<HWND>(lParam));
    if (control == nullptr) {
        return;
    }
    if (control->Design().kind == ControlKind::Button && HIWORD(wParam) == BN_CLICKED) {
        Click(*control);
        return;
    }
    control->OnCommand(HIWORD(wParam));
}

LRESULT Win32Window::OnControlColor(HDC dc, HWND hwnd) {
    const Control* control = ControlOf(hwnd);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, face);
    const bool label = control != nullptr && control->Design().kind == ControlKind::Label;
    const Rgb text = TextColor(label ? control->Design().color : std::nullopt, ToRgb(face),
                               ToRgb(GetSysColor(COLOR_WINDOWTEXT)));
    SetTextColor(dc, RGB(text.red, text.green, text.blue));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace kelvane::win32

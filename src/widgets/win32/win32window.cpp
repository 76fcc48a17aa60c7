#include "win32window.h"

#include "control.h"
#include "messageloop.h"
#include "widgets/widgeterror.h"
#include "win32drivelist.h"
#include "win32filelist.h"
#include "win32folderlist.h"
#include "win32listwidget.h"
#include "win32textbox.h"
#include "windowbuilder.h"

namespace kelvane::win32 {

Win32Window::Win32Window(const FormDesign& design, HWND owner, int dpi) : design_(design) {
    WindowBuilder(*this).Build(owner, dpi);
}

Win32Window::~Win32Window() {
    if (tooltip_ != nullptr) {
        DestroyWindow(tooltip_);  // before the window that owns it, which would take it along
    }
    if (hwnd_ != nullptr) {
        EnableOthers(true);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);  // its controls first, then the window; the menu bar with it
    }
    controls_.clear();
}

template <typename Widget>
Widget& Win32Window::Named(const std::string& name, const char* kind) const {
    auto* widget = dynamic_cast<Widget*>(Find(name));
    if (widget == nullptr) {
        throw WidgetError("no " + std::string(kind) + " " + name);
    }
    return *widget;
}

TextBox& Win32Window::TextBoxNamed(const std::string& name) {
    return Named<Win32TextBox>(name, "text box");
}

ListWidget& Win32Window::ListNamed(const std::string& name) {
    return Named<Win32ListWidget>(name, "list");
}

DriveList& Win32Window::DriveListNamed(const std::string& name) {
    return Named<Win32DriveList>(name, "drive list");
}

FolderList& Win32Window::FolderListNamed(const std::string& name) {
    return Named<Win32FolderList>(name, "folder list");
}

FileList& Win32Window::FileListNamed(const std::string& name) {
    return Named<Win32FileList>(name, "file list");
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

int Win32Window::MenuId(const std::string& name) const {
    for (const auto& [id, item] : menuItems_) {
        if (item == name) {
            return id;
        }
    }
    return 0;
}

Win32Window* Win32Window::FromHandle(HWND hwnd) {
    HWND root = hwnd == nullptr ? nullptr : GetAncestor(hwnd, GA_ROOT);
    if (root == nullptr ||
        reinterpret_cast<WNDPROC>(GetWindowLongPtrA(root, GWLP_WNDPROC)) != &Win32Window::Proc) {
        return nullptr;
    }
    return reinterpret_cast<Win32Window*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

void Win32Window::On(const std::string& control, Event event, Handler handler) {
    const Control* target = Find(control);
    const bool isMenuItem = event == Event::Click && MenuId(control) != 0;
    if (!isMenuItem && (target == nullptr || !target->Raises(event))) {
        throw WidgetError("no such event of " + control);
    }
    handlers_[{control, event}] = std::move(handler);
}

void Win32Window::OnUnload(std::function<void()> handler) {
    unloadHandlers_.push_back(std::move(handler));
}

void Win32Window::Raise(const std::string& control, Event event, const MouseEvent& mouse) {
    const auto found = handlers_.find({control, event});
    if (found != handlers_.end()) {
        const Handler handler = found->second;  // a copy: the handler may rewire the window
        handler(mouse);
    }
}

void Win32Window::QueueLostFocus(Control& box) {
    pendingLostFocus_ = &box;
    PostMessageA(hwnd_, kLostFocusMessage, 0, 0);
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
    if (FlushLostFocus() && GetFocus() != button.Hwnd()) {
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
            if (other != window->hwnd_ && other != window->tooltip_ && IsWindowVisible(other) &&
                IsWindowEnabled(other)) {
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
    const auto handlers = unloadHandlers_;
    for (const auto& handler : handlers) {
        handler();
    }
}

std::uintptr_t Win32Window::NativeHandle() const {
    return reinterpret_cast<std::uintptr_t>(hwnd_);
}

std::string Win32Window::Caption() const {
    return WindowText(hwnd_);
}

void Win32Window::SetCaption(const std::string& caption) {
    SetWindowTextA(hwnd_, caption.c_str());
}

HWND Win32Window::Label(const std::string& name) const {
    const Control* control = Find(name);
    if (control == nullptr || control->Design().kind != ControlKind::Label) {
        throw WidgetError("no label " + name);
    }
    return control->Hwnd();
}

std::string Win32Window::LabelCaption(const std::string& label) const {
    return WindowText(Label(label));
}

void Win32Window::SetLabelCaption(const std::string& label, const std::string& caption) {
    SetWindowTextA(Label(label), caption.c_str());
}

void Win32Window::ShowPage(const std::string& tabControl, int page) {
    for (const auto& control : controls_) {
        // The page a control is on: that of the first container in its chain that is this tab
        // control.
        const ControlDesign* step = &control->Design();
        bool onTabs = false;
        int onPage = 0;
        while (step != nullptr && !step->container.empty()) {
            if (step->container == tabControl) {
                onTabs = true;
                onPage = step->page;
                break;
            }
            step = design_.Find(step->container);
        }
        if (onTabs) {
            ShowWindow(control->Hwnd(), onPage == page ? SW_SHOWNA : SW_HIDE);
        }
    }
}

LRESULT CALLBACK Win32Window::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
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
        case kLostFocusMessage:
            FlushLostFocus();
            return 0;
        case DM_GETDEFID: {
            const Control* button = Find(design_.defaultButton);
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
            if (Control* cancel = Find(design_.cancelButton)) {
                Click(*cancel);
            } else {
                Unload();
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void Win32Window::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        // A menu item (accelerators we have none).
        const auto item = menuItems_.find(LOWORD(wParam));
        if (HIWORD(wParam) == 0 && item != menuItems_.end()) {
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
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    if (control != nullptr && control->Design().color &&
        control->Design().kind == ControlKind::Label) {
        const Rgb& color = *control->Design().color;
        text = RGB(color.red, color.green, color.blue);
    }
    SetTextColor(dc, text);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace kelvane::win32

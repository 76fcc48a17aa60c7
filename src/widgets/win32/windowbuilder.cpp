#include "windowbuilder.h"

#include <algorithm>

#include "commandbutton.h"
#include "layout.h"
#include "pictures.h"
#include "plaincontrols.h"
#include "win32drivelist.h"
#include "win32filelist.h"
#include "win32folderlist.h"
#include "win32listwidget.h"
#include "win32textbox.h"
#include "win32window.h"

namespace kelvane::win32 {

namespace {

constexpr char kFormClass[] = "KelvaneForm";
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
constexpr int kFirstMenuId = 1000;

std::unique_ptr<Control> MakeControl(Win32Window& window, const ControlDesign& design) {
    switch (design.kind) {
        case ControlKind::Label:
            return std::make_unique<Label>(window, design);
        case ControlKind::TextBox:
            return std::make_unique<Win32TextBox>(window, design);
        case ControlKind::Button:
            return std::make_unique<CommandButton>(window, design);
        case ControlKind::TabControl:
            return std::make_unique<TabControl>(window, design);
        case ControlKind::Frame:
            return std::make_unique<FrameControl>(window, design);
        case ControlKind::DriveList:
            return std::make_unique<Win32DriveList>(window, design);
        case ControlKind::FolderList:
            return std::make_unique<Win32FolderList>(window, design);
        case ControlKind::FileList:
            return std::make_unique<Win32FileList>(window, design);
        case ControlKind::ListBox:
            return std::make_unique<Win32ListWidget>(window, design,
                                                     Win32ListWidget::Style::SingleSelection);
        case ControlKind::CheckListBox:
            return std::make_unique<Win32ListWidget>(window, design,
                                                     Win32ListWidget::Style::CheckBox);
        case ControlKind::PictureBox:
            return std::make_unique<PictureBox>(window, design);
        case ControlKind::Line:
            return std::make_unique<LineControl>(window, design);
    }
    return nullptr;
}

// How deep a control sits in containers: 0 on the client area.
int Depth(const FormDesign& form, const ControlDesign& control) {
    int depth = 0;
    for (const ControlDesign* step = &control; step != nullptr && !step->container.empty();
         step = form.Find(step->container)) {
        ++depth;
    }
    return depth;
}

bool IsContainer(const ControlDesign& control) {
    return control.kind == ControlKind::TabControl || control.kind == ControlKind::Frame;
}

void RegisterFormClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSEXA form{};
    form.cbSize = sizeof(form);
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = proc;
    form.hInstance = GetModuleHandleA(nullptr);
    form.hIcon = PictureIcon(Picture::AppIcon, GetSystemMetrics(SM_CXICON));
    form.hIconSm = PictureIcon(Picture::AppIcon, GetSystemMetrics(SM_CXSMICON));
    form.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    registered = RegisterClassExA(&form) != 0;
}

}  // namespace

void WindowBuilder::Build(HWND owner, int dpi) {
    Win32Window& w = window_;
    RegisterFormClass(&Win32Window::Proc);
    w.menuBar_ = Menus();
    if (dpi <= 0) {
        dpi = MonitorDpi(w.design_);
    }
    CreateWindowExA(kFormExStyle, kFormClass, w.design_.caption.c_str(), kFormStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, owner, w.menuBar_, GetModuleHandleA(nullptr), &w);
    if (w.hwnd_ == nullptr) {
        if (w.menuBar_ != nullptr) {
            DestroyMenu(w.menuBar_);
        }
        return;
    }
    const bool controls = MakeControls();
    for (const ControlDesign* control : w.design_.TabOrder()) {
        if (Control* made = w.Find(control->name)) {
            w.tabOrder_.push_back(made);
        }
    }
    Stack();
    AddTooltips();
    for (const ControlDesign& control : w.design_.controls) {
        if (control.kind == ControlKind::TabControl) {
            w.ShowPage(control.name, 0);
        }
    }
    w.LayOut(dpi);
    w.complete_ = controls;
}

HMENU WindowBuilder::Menus() {
    Win32Window& w = window_;
    if (w.design_.menus.empty()) {
        return nullptr;
    }
    HMENU bar = CreateMenu();
    int id = kFirstMenuId;
    for (const MenuDesign& menu : w.design_.menus) {
        HMENU popup = CreatePopupMenu();
        for (const MenuDesign& item : menu.items) {
            if (item.caption == "-") {
                AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            w.menuItems_[id] = item.name;
            AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(id++), item.caption.c_str());
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menu.caption.c_str());
    }
    return bar;
}

bool WindowBuilder::MakeControls() {
    Win32Window& w = window_;
    bool all = true;
    int id = kFirstControlId;
    for (const ControlDesign& design : w.design_.controls) {
        std::unique_ptr<Control> control = MakeControl(w, design);
        if (control == nullptr || !control->Make(w.hwnd_, id++)) {
            all = false;
            continue;
        }
        w.byName_[design.name] = control.get();
        w.byHwnd_[control->Hwnd()] = control.get();
        w.controls_.push_back(std::move(control));
    }
    return all;
}

void WindowBuilder::Stack() {
    // Top to bottom: the controls in the described order, then the containers, the innermost
    // first, so that a container never covers what it holds.
    Win32Window& w = window_;
    std::vector<Control*> order;
    for (const auto& control : w.controls_) {
        order.push_back(control.get());
    }
    const FormDesign& form = w.design_;
    std::stable_sort(order.begin(), order.end(), [&form](const Control* a, const Control* b) {
        const int rankA = IsContainer(a->Design()) ? 1000 - Depth(form, a->Design()) : 0;
        const int rankB = IsContainer(b->Design()) ? 1000 - Depth(form, b->Design()) : 0;
        return rankA < rankB;
    });
    HWND above = HWND_TOP;
    for (const Control* control : order) {
        SetWindowPos(control->Hwnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control->Hwnd();
    }
}

void WindowBuilder::AddTooltips() {
    Win32Window& w = window_;
    w.tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, w.hwnd_, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (w.tooltip_ == nullptr) {
        return;
    }
    for (const auto& control : w.controls_) {
        const std::string& tip = control->Design().tooltip;
        if (tip.empty()) {
            continue;
        }
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = w.hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(control->Hwnd());
        tool.lpszText = const_cast<char*>(tip.c_str());
        SendMessageA(w.tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace kelvane::win32

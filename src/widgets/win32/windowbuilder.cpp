#include "windowbuilder.h"

#include <algorithm>

#include "commandbutton.h"
#include "layout.h"
#include "pictures.h"
#include "plaincontrols.h"
#include "widgets/widgeterror.h"
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

HMENU Menus(const FormDesign& form, std::map<int, std::string>& items) {
    if (form.menus.empty()) {
        return nullptr;
    }
    HMENU bar = CreateMenu();
    int id = kFirstMenuId;
    for (const MenuDesign& menu : form.menus) {
        HMENU popup = CreatePopupMenu();
        for (const MenuDesign& item : menu.items) {
            if (item.IsSeparator()) {
                AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            items[id] = item.name;
            AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(id++), item.caption.c_str());
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menu.caption.c_str());
    }
    return bar;
}

std::vector<std::unique_ptr<Control>> MakeControls(Win32Window& window, HWND form) {
    std::vector<std::unique_ptr<Control>> controls;
    int id = kFirstControlId;
    for (const ControlDesign& design : window.Design().controls) {
        std::unique_ptr<Control> control = MakeControl(window, design);
        if (control == nullptr || !control->Make(form, id++)) {
            throw WidgetError("can't make control " + design.name);
        }
        controls.push_back(std::move(control));
    }
    return controls;
}

void Stack(const FormDesign& form, const std::vector<std::unique_ptr<Control>>& controls) {
    // Top to bottom: the controls in the described order, then the containers, the innermost
    // first, so that a container never covers what it holds.
    std::vector<Control*> order;
    for (const auto& control : controls) {
        order.push_back(control.get());
    }
    std::stable_sort(order.begin(), order.end(), [&form](const Control* a, const Control* b) {
        const int rankA = IsContainer(a->Design()) ? 1000 - form.Depth(a->Design()) : 0;
        const int rankB = IsContainer(b->Design()) ? 1000 - form.Depth(b->Design()) : 0;
        return rankA < rankB;
    });
    HWND above = HWND_TOP;
    for (const Control* control : order) {
        SetWindowPos(control->Hwnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control->Hwnd();
    }
}

HWND AddTooltips(HWND form, const std::vector<std::unique_ptr<Control>>& controls) {
    HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    if (tooltip == nullptr) {
        return nullptr;
    }
    for (const auto& control : controls) {
        const std::string& tip = control->Design().tooltip;
        if (tip.empty()) {
            continue;
        }
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = form;
        tool.uId = reinterpret_cast<UINT_PTR>(control->Hwnd());
        tool.lpszText = const_cast<char*>(tip.c_str());
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tooltip;
}

}  // namespace

BuiltWindow WindowBuilder::Build(Win32Window& window, HWND owner, WNDPROC proc) {
    const FormDesign& form = window.Design();
    RegisterFormClass(proc);
    BuiltWindow built;
    built.menuBar = Menus(form, built.menuItems);
    HWND hwnd = CreateWindowExA(kFormExStyle, kFormClass, form.caption.c_str(), kFormStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, built.menuBar,
                                GetModuleHandleA(nullptr), &window);
    if (hwnd == nullptr) {
        if (built.menuBar != nullptr) {
            DestroyMenu(built.menuBar);
        }
        throw WidgetError("can't make window " + form.name);
    }
    built.controls = MakeControls(window, hwnd);
    Stack(form, built.controls);
    built.tooltip = AddTooltips(hwnd, built.controls);
    return built;
}

}  // namespace kelvane::win32

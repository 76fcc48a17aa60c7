#include "windowbuilder.h"

#include <algorithm>
#include <set>

#include "base/widetext.h"
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

constexpr wchar_t kFormClass[] = L"KelvaneForm";
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
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = proc;
    form.hInstance = GetModuleHandleW(nullptr);
    form.hIcon = PictureIcon(Picture::AppIcon, GetSystemMetrics(SM_CXICON));
    form.hIconSm = PictureIcon(Picture::AppIcon, GetSystemMetrics(SM_CXSMICON));
    form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    registered = RegisterClassExW(&form) != 0;
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
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            items[id] = item.name;
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(id++),
                        ToWideShown(item.caption).c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                    ToWideShown(menu.caption).c_str());
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

// Whether `label`, moved next to the control at `to` in the z-order `order`, would be drawn
// otherwise where it overlaps a control it passes.
bool PassesOver(const FormDesign& form, const std::vector<Control*>& order, std::size_t from,
                std::size_t to) {
    const PixelRect label = form.ClientPlace(order[from]->Design(), 96);
    for (std::size_t at = std::min(from, to) + 1; at < std::max(from, to); ++at) {
        if (Overlap(label, form.ClientPlace(order[at]->Design(), 96))) {
            return true;
        }
    }
    return false;
}

// Whether a control is a button to the system, named by its window text.
bool NamedByItsText(const ControlDesign& design) {
    return design.kind == ControlKind::Button || design.kind == ControlKind::PictureBox;
}

// A static text that is never shown, named `name`.
HWND NameLabel(HWND form, const std::string& name) {
    return CreateWindowExW(0, L"STATIC", ToWideShown(name).c_str(),
                           WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, form, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// Screen readers name a control that shows no caption of its own (a list, a text box) by the
// static text above it in the z-order: looking upwards, the system's accessibility proxies pass
// hidden windows and windows that take no focus, and stop at one that does. So such a control
// gets just above it the label that names it, unless that label names another control already
// or would pass over a control it overlaps; then, and where the tooltip names the control, a
// static text with its name that is never shown. (A picture button and a picture box, buttons to
// the system, carry their names as their window texts, which they don't show.) Returns the
// windows from the top down.
std::vector<HWND> WithNames(HWND hwnd, const FormDesign& form, const std::vector<Control*>& order) {
    std::map<const Control*, std::size_t> at;
    for (std::size_t i = 0; i < order.size(); ++i) {
        at[order[i]] = i;
    }
    std::map<const Control*, const Control*> labelOf;  // the named control -> its label
    std::set<const Control*> moved;
    for (const Control* control : order) {
        const ControlDesign& design = control->Design();
        if (NamedByItsText(design) || form.AccessibleName(design).empty()) {
            continue;
        }
        const auto label = std::find_if(order.begin(), order.end(), [&design](const Control* c) {
            return c->Name() == design.label;
        });
        if (label != order.end() && moved.count(*label) == 0 &&
            !PassesOver(form, order, at[*label], at[control])) {
            labelOf[control] = *label;
            moved.insert(*label);
        }
    }
    std::vector<HWND> windows;
    for (const Control* control : order) {
        if (moved.count(control) != 0) {
            continue;  // it goes with the control it names
        }
        const std::string name = form.AccessibleName(control->Design());
        if (const auto label = labelOf.find(control); label != labelOf.end()) {
            windows.push_back(label->second->Hwnd());
        } else if (!name.empty() && !NamedByItsText(control->Design())) {
            if (HWND named = NameLabel(hwnd, name)) {
                windows.push_back(named);
            }
        }
        windows.push_back(control->Hwnd());
    }
    return windows;
}

void Stack(HWND hwnd, const FormDesign& form,
           const std::vector<std::unique_ptr<Control>>& controls) {
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
    for (HWND window : WithNames(hwnd, form, order)) {
        SetWindowPos(window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = window;
    }
}

HWND AddTooltips(HWND form, const std::vector<std::unique_ptr<Control>>& controls) {
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    if (tooltip == nullptr) {
        return nullptr;
    }
    for (const auto& control : controls) {
        const std::string& tip = control->Design().tooltip;
        if (tip.empty()) {
            continue;
        }
        std::wstring text = ToWideShown(tip);
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = form;
        tool.uId = reinterpret_cast<UINT_PTR>(control->Hwnd());
        tool.lpszText = text.data();
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tooltip;
}

}  // namespace

BuiltWindow WindowBuilder::Build(Win32Window& window, HWND owner, WNDPROC proc) {
    const FormDesign& form = window.Design();
    RegisterFormClass(proc);
    BuiltWindow built;
    built.menuBar = Menus(form, built.menuItems);
    HWND hwnd = CreateWindowExW(kFormExStyle, kFormClass, ToWideShown(form.caption).c_str(),
                                kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner,
                                built.menuBar, GetModuleHandleW(nullptr), &window);
    if (hwnd == nullptr) {
        if (built.menuBar != nullptr) {
            DestroyMenu(built.menuBar);
        }
        throw WidgetError("can't make window " + form.name);
    }
    built.controls = MakeControls(window, hwnd);
    Stack(hwnd, form, built.controls);
    built.tooltip = AddTooltips(hwnd, built.controls);
    return built;
}

}  // namespace kelvane::win32

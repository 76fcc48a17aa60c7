#include "win32toolkit.h"

#include <objbase.h>

#include <memory>

#include "messageloop.h"
#include "win32msgbox.h"
#include "win32savedialog.h"
#include "win32window.h"

namespace kelvane {

std::unique_ptr<Toolkit> MakeToolkit() {
    return std::make_unique<win32::Win32Toolkit>();
}

}  // namespace kelvane

namespace kelvane::win32 {

namespace {

HWND NativeOf(Window* window) {
    return window == nullptr ? nullptr : reinterpret_cast<HWND>(window->NativeHandle());
}

}  // namespace

Win32Toolkit::Win32Toolkit(int dpi) : dpi_(dpi) {
    // A drive without a medium fails quietly, as a folder that can't be read does, instead of
    // the system asking the user to insert a disk.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // The shell's Open and the Save dialog may use COM objects of their own.
    comReady_ =
        SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    // A hidden top-level window that owns ours: an owned window has no taskbar button.
    owner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
}

Win32Toolkit::~Win32Toolkit() {
    if (owner_ != nullptr) {
        DestroyWindow(owner_);
    }
    if (comReady_) {
        CoUninitialize();
    }
}

std::unique_ptr<Window> Win32Toolkit::Build(const FormDesign& design) {
    return std::make_unique<Win32Window>(design, owner_, dpi_);
}

std::unique_ptr<MsgBox> Win32Toolkit::MakeMsgBox(Window* owner) {
    return std::make_unique<Win32MsgBox>(NativeOf(owner));
}

std::unique_ptr<SaveDialog> Win32Toolkit::MakeSaveDialog(Window* owner) {
    return std::make_unique<Win32SaveDialog>(NativeOf(owner));
}

void Win32Toolkit::Run(Window& main) {
    const auto unloaded = std::make_shared<bool>(false);
    main.OnUnload([unloaded] { *unloaded = true; });
    main.Show();
    RunUntil([unloaded] { return *unloaded; });
}

}  // namespace kelvane::win32

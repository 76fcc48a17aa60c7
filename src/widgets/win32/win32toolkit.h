#pragma once

#include "widgets/toolkit.h"
#include "win32api.h"

namespace kelvane::win32 {

// The Win32 toolkit: windows of native controls (user32, comctl32), MessageBoxW and
// GetSaveFileNameW, and one message loop. Its windows are owned by one hidden window of its
// own, so that none of them gets a taskbar button.
class Win32Toolkit : public Toolkit {
  public:
    // `dpi` 0 lays each window out at its monitor's DPI; tests give one.
    explicit Win32Toolkit(int dpi = 0);
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    std::unique_ptr<Window> Build(const FormDesign& design) override;
    std::unique_ptr<MsgBox> MakeMsgBox(Window* owner) override;
    std::unique_ptr<SaveDialog> MakeSaveDialog(Window* owner) override;
    void Run(Window& main) override;

  private:
    int dpi_;
    HWND owner_ = nullptr;
    bool comReady_ = false;
};

}  // namespace kelvane::win32

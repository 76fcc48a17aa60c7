#pragma once

#include <string>

#include "widgets/savedialogcore.h"
#include "win32api.h"

namespace kelvane::win32 {

// The Save dialog, shown with GetSaveFileNameW, modal to the owner window. It asks no overwrite
// question of its own, wants the chosen folder to exist, and leaves the process's current
// folder where it was (relative paths typed later still mean what they meant). FileName is the
// chosen path in UTF-8, exactly; after a cancel it keeps its previous value.
class Win32SaveDialog : public SaveDialogCore {
  public:
    // `owner` is the window the dialog is modal to; null for none.
    explicit Win32SaveDialog(HWND owner = nullptr) : owner_(owner) {}

    void ShowSave() override;

    // "Text files|*.txt;*.sql|All|*.*" as the dialog takes it: each description and pattern
    // list ended by a zero byte, the whole by a second one. An odd last description is left out.
    static std::string NativeFilter(const std::string& filter);
    static constexpr DWORD kFlags =
        OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

  private:
    HWND owner_;
};

}  // namespace kelvane::win32

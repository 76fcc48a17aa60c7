#include "win32savedialog.h"

#include <algorithm>
#include <vector>

namespace kelvane::win32 {

std::string Win32SaveDialog::NativeFilter(const std::string& filter) {
    std::string native;
    for (const FilterEntry& entry : FilterEntries(filter)) {
        native += entry.description + '\0' + entry.patterns + '\0';
    }
    return native + '\0';
}

void Win32SaveDialog::ShowSave() {
    std::string file(32768, '\0');
    const std::string previous = FileName();
    previous.copy(file.data(), std::min(previous.size(), file.size() - 1));
    const std::string filter = NativeFilter(Filter());
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.size() > 1 ? filter.c_str() : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    const std::string title = DialogTitle();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.Flags = kFlags;
    if (!GetSaveFileNameA(&dialog)) {
        return;  // cancelled: FileName stays as it was
    }
    SetFileName(file.c_str());
}

}  // namespace kelvane::win32

#include "win32savedialog.h"

#include <algorithm>
#include <vector>

namespace kelvane::win32 {

std::string Win32SaveDialog::NativeFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) {
            break;
        }
        start = bar + 1;
    }
    std::string native;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        native += parts[i];
        native += '\0';
        native += parts[i + 1];
        native += '\0';
    }
    native += '\0';
    return native;
}

void Win32SaveDialog::ShowSave() {
    std::string file(32768, '\0');
    fileName_.copy(file.data(), std::min(fileName_.size(), file.size() - 1));
    const std::string filter = NativeFilter(filter_);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.size() > 1 ? filter.c_str() : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    dialog.Flags = kFlags;
    if (!GetSaveFileNameA(&dialog)) {
        return;  // cancelled: FileName stays as it was
    }
    fileName_ = file.c_str();
}

}  // namespace kelvane::win32

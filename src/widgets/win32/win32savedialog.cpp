#include "win32savedialog.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/widetext.h"

namespace kelvane::win32 {

std::string Win32SaveDialog::NativeFilter(const std::string& filter) {
    std::string native;
    for (const FilterEntry& entry : FilterEntries(filter)) {
        native += entry.description + '\0' + entry.patterns + '\0';
    }
    return native + '\0';
}

void Win32SaveDialog::ShowSave() {
    std::wstring file(32768, L'\0');
    // The name so far, unless UTF-16 can't spell it: shown with U+FFFD and accepted as it
    // stands, it would name another file.
    if (const std::optional<std::wstring> previous = ToWide(FileName())) {
        previous->copy(file.data(), std::min(previous->size(), file.size() - 1));
    }
    const std::wstring filter = ToWideShown(NativeFilter(Filter()));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.size() > 1 ? filter.c_str() : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    const std::wstring title = ToWideShown(DialogTitle());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.Flags = kFlags;
    if (!GetSaveFileNameW(&dialog)) {
        return;  // cancelled: FileName stays as it was
    }
    // Exactly as chosen: a name NTFS allows but UTF-8 can't spell keeps a form that no file
    // opens (base/widetext.h), so a merge refuses it rather than writing another file.
    SetFileName(FromWide(file.c_str()));
}

}  // namespace kelvane::win32

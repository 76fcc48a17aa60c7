#include <windows.h>

#include <optional>
#include <string_view>

#include "base/widetext.h"
#include "folderreader.h"
#include "widgeterror.h"

namespace kelvane {

FolderContents ReadFolder(const std::string& folder) {
    const std::optional<std::wstring> wide = ToWide(folder);
    if (!wide) {
        // Not exactly text: no folder of the system is spelt that way.
        throw WidgetError("can't list folder " + folder + ": its name isn't valid text");
    }
    std::wstring pattern = *wide;
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') {
        pattern += L'\\';
    }
    pattern += L'*';
    WIN32_FIND_DATAW data{};
    FolderContents contents;
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        // A drive's top folder has no "." entry, so an empty one finds nothing at all.
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(wide->c_str());
        if (error == ERROR_FILE_NOT_FOUND && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return contents;
        }
        throw WidgetError("can't list folder " + folder);
    }
    struct FindCloser {
        HANDLE find;
        ~FindCloser() { FindClose(find); }
    } closer{find};
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
            continue;
        }
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            contents.subfolders.push_back(FromWide(name));
        } else {
            contents.files.push_back(FromWide(name));
        }
    } while (FindNextFileW(find, &data));
    return contents;
}

std::string CurrentFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
        if (length == 0) {
            throw WidgetError("can't tell the current folder");
        }
        if (length < folder.size()) {
            folder.resize(length);
            return FromWide(folder);
        }
        folder.resize(length);  // the size needed, terminating zero included
    }
}

}  // namespace kelvane

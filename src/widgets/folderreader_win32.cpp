#include <windows.h>

#include "folderreader.h"
#include "widgeterror.h"

namespace kelvane {

FolderContents ReadFolder(const std::string& folder) {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') {
        pattern += '\\';
    }
    pattern += '*';
    WIN32_FIND_DATAA data{};
    FolderContents contents;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        // A drive's top folder has no "." entry, so an empty one finds nothing at all.
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesA(folder.c_str());
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
        const std::string name = data.cFileName;
        if (name == "." || name == "..") {
            continue;
        }
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
            continue;
        }
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            contents.subfolders.push_back(name);
        } else {
            contents.files.push_back(name);
        }
    } while (FindNextFileA(find, &data));
    return contents;
}

std::string CurrentFolder() {
    std::string folder(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
        if (length == 0) {
            throw WidgetError("can't tell the current folder");
        }
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);  // the size needed, terminating zero included
    }
}

}  // namespace kelvane

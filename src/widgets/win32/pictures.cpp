#include "pictures.h"

#include <shellapi.h>

#include <map>
#include <utility>

#include "resourceids.h"

namespace kelvane::win32 {

HICON PictureIcon(Picture picture, int size) {
    // Each picture is loaded once per size and kept for the life of the program.
    static std::map<std::pair<Picture, int>, HICON> icons;
    const auto found = icons.find({picture, size});
    if (found != icons.end()) {
        return found->second;
    }
    int id = 0;
    switch (picture) {
        case Picture::AppIcon:
            id = KELVANE_IDI_APP;
            break;
        case Picture::UpArrow:
            id = KELVANE_IDI_UP;
            break;
        case Picture::DownArrow:
            id = KELVANE_IDI_DOWN;
            break;
        case Picture::None:
            return nullptr;
    }
    HANDLE icon =
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0);
    if (icon == nullptr && picture == Picture::AppIcon) {
        icon = LoadImageW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */, IMAGE_ICON, 0, 0,
                          LR_SHARED | LR_DEFAULTSIZE);
    }
    icons[{picture, size}] = static_cast<HICON>(icon);
    return static_cast<HICON>(icon);
}

HICON FolderPicture(bool open) {
    // The shell's own folder pictures, asked for once and kept for the life of the program.
    static std::map<bool, HICON> icons;
    const auto found = icons.find(open);
    if (found != icons.end()) {
        return found->second;
    }
    SHSTOCKICONINFO info{};
    info.cbSize = sizeof(info);
    HICON icon = nullptr;
    if (SUCCEEDED(SHGetStockIconInfo(open ? SIID_FOLDEROPEN : SIID_FOLDER,
                                     SHGSI_ICON | SHGSI_SMALLICON, &info))) {
        icon = info.hIcon;
    }
    if (icon == nullptr) {
        // Systems without stock icons: the same pictures from the shell's own file.
        ExtractIconExW(L"shell32.dll", open ? -5 : -4, nullptr, &icon, 1);  // by resource id
    }
    icons.emplace(open, icon);
    return icon;
}

}  // namespace kelvane::win32

#pragma once

#include <string>
#include <vector>

namespace kelvane {

// What a folder holds, as the browsing lists show it: names without folder, exactly as the
// file system spells them, hidden entries (and on Windows system ones) left out, unsorted.
struct FolderContents {
    std::vector<std::string> files;
    std::vector<std::string> subfolders;
};

// Reads one folder. Raises WidgetError when it can't be listed. On Windows the folder's name and
// the names it holds are UTF-8, and a name that isn't exactly UTF-8 names no folder.
FolderContents ReadFolder(const std::string& folder);

// The process's current folder, as the program's 8-bit text; the browsing lists start there.
// Raises WidgetError when it can't be told (it was removed, say).
std::string CurrentFolder();

}  // namespace kelvane

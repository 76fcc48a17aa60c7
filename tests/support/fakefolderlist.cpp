#include "fakefolderlist.h"

#include <algorithm>
#include <filesystem>

#include "tempfolder.h"
#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"

namespace kelvane::test {

namespace {

// A path as the program's texts hold it (on Windows UTF-8, not the ANSI code page).
std::string TextOf(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

}  // namespace

void FakeFolderList::SetPath(const std::string& path) {
    FolderContents contents = ReadFolder(path);  // raises before anything changes
    std::sort(contents.subfolders.begin(), contents.subfolders.end(), NaturalLess);

    const std::filesystem::path open = Utf8Path(path).lexically_normal();
    std::vector<std::string> ancestors;
    for (auto p = open; p.has_relative_path() && p != p.parent_path();) {
        p = p.parent_path();
        ancestors.push_back(TextOf(p));
    }
    std::vector<std::string> subfolders;
    for (const auto& name : contents.subfolders) {
        subfolders.push_back(TextOf(open / Utf8Path(name)));
    }

    path_ = path;
    ancestors_ = std::move(ancestors);
    subfolders_ = std::move(subfolders);
    listIndex_ = -1;
    if (onChange) {
        onChange();
    }
}

void FakeFolderList::SetListIndex(int index) {
    if (index < -1 - static_cast<int>(ancestors_.size()) || index >= ListCount()) {
        throw WidgetError("folder index out of range");
    }
    listIndex_ = index;
}

std::string FakeFolderList::List(int index) const {
    if (index >= 0 && index < ListCount()) {
        return subfolders_[index];
    }
    if (index == -1) {
        return path_;
    }
    const int ancestor = -index - 2;
    if (ancestor >= 0 && ancestor < static_cast<int>(ancestors_.size())) {
        return ancestors_[ancestor];
    }
    throw WidgetError("folder index out of range");
}

}  // namespace kelvane::test

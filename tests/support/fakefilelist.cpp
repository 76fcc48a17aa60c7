#include "fakefilelist.h"

#include <algorithm>

#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"

namespace kelvane::test {

void FakeFileList::SetPath(const std::string& path) {
    FolderContents contents = ReadFolder(path);
    std::sort(contents.files.begin(), contents.files.end(), NaturalLess);
    path_ = path;
    SetNames(contents.files);
}

void FakeFileList::SetNames(const std::vector<std::string>& names) {
    names_ = names;
    selected_.assign(names.size(), false);
}

void FakeFileList::Pick(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        selected_[i] = std::find(names.begin(), names.end(), names_[i]) != names.end();
    }
}

std::vector<std::string> FakeFileList::SelectedNames() const {
    std::vector<std::string> picked;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (selected_[i]) {
            picked.push_back(names_[i]);
        }
    }
    return picked;
}

void FakeFileList::Check(int index) const {
    if (index < 0 || index >= ListCount()) {
        throw WidgetError("file index out of range");
    }
}

std::string FakeFileList::List(int index) const {
    Check(index);
    return names_[index];
}

bool FakeFileList::Selected(int index) const {
    Check(index);
    return selected_[index];
}

void FakeFileList::SetSelected(int index, bool selected) {
    Check(index);
    selected_[index] = selected;
}

}  // namespace kelvane::test

#include "fakefilelist.h"

#include <algorithm>
#include <utility>

namespace kelvane::test {

void FakeFileList::ShowNames(std::vector<std::string> names) {
    names_ = std::move(names);
    selected_.assign(names_.size(), 0);
}

void FakeFileList::SetNames(const std::vector<std::string>& names) {
    ShowNames(names);
    Copy().Discard();
}

void FakeFileList::Pick(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        selected_[i] = std::find(names.begin(), names.end(), names_[i]) != names.end();
    }
    Copy().Discard();
}

std::vector<std::string> FakeFileList::SelectedNames() const {
    std::vector<std::string> picked;
    for (int i = 0; i < ListCount(); ++i) {
        if (Selected(i)) {
            picked.push_back(List(i));
        }
    }
    return picked;
}

}  // namespace kelvane::test

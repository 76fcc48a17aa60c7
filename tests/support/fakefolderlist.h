#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/folderlist.h"

namespace kelvane::test {

// A folder list over the real file system, as a directory list box shows it. onChange stands
// for the change event the window would handle.
class FakeFolderList : public FolderList {
  public:
    std::string Path() const override { return path_; }
    void SetPath(const std::string& path) override;
    int ListCount() const override { return static_cast<int>(subfolders_.size()); }
    int ListIndex() const override { return listIndex_; }
    void SetListIndex(int index) override;
    std::string List(int index) const override;

    std::function<void()> onChange;

  private:
    std::string path_;
    std::vector<std::string> ancestors_;   // nearest first: entry -2, -3 ...
    std::vector<std::string> subfolders_;  // full paths: entries 0 ...
    int listIndex_ = -1;
};

}  // namespace kelvane::test

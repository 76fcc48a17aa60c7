#pragma once

#include <string>
#include <vector>

#include "widgets/filelist.h"

namespace kelvane::test {

// A file list over the real file system, or over names a test gives it.
class FakeFileList : public FileList {
  public:
    std::string Path() const override { return path_; }
    void SetPath(const std::string& path) override;
    int ListCount() const override { return static_cast<int>(names_.size()); }
    std::string List(int index) const override;
    bool Selected(int index) const override;
    void SetSelected(int index, bool selected) override;

    // Shows these names, in this order, none selected.
    void SetNames(const std::vector<std::string>& names);
    // The user's pick: selects exactly these names.
    void Pick(const std::vector<std::string>& names);
    std::vector<std::string> SelectedNames() const;

  private:
    void Check(int index) const;

    std::string path_;
    std::vector<std::string> names_;
    std::vector<bool> selected_;
};

}  // namespace kelvane::test

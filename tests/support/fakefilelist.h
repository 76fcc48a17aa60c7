#pragma once

#include <string>
#include <vector>

#include "widgets/filerows.h"

namespace kelvane::test {

// A file list over the real file system, or over names a test gives it, by the rules every
// toolkit's file list follows.
class FakeFileList : public FileRows {
  public:
    // Shows these names, in this order, none selected.
    void SetNames(const std::vector<std::string>& names);
    // The user's pick: selects exactly these names.
    void Pick(const std::vector<std::string>& names);
    std::vector<std::string> SelectedNames() const;

  protected:
    int RowCount() const override { return static_cast<int>(names_.size()); }
    const std::string& RowText(int row) const override { return names_[std::size_t(row)]; }
    void ShowNames(std::vector<std::string> names) override;
    std::vector<char> ReadSelection() const override { return selected_; }
    void WriteSelection(const std::vector<char>& flags) override { selected_ = flags; }
    bool QueueFlush() override { return false; }

  private:
    std::vector<std::string> names_;
    std::vector<char> selected_;
};

}  // namespace kelvane::test

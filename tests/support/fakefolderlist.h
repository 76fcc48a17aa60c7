#pragma once

#include <functional>

#include "widgets/folderrows.h"

namespace kelvane::test {

// A folder list over the real file system, by the rules every toolkit's folder list follows.
// onChange stands for the change event the window would handle.
class FakeFolderList : public FolderRows {
  public:
    std::function<void()> onChange;

  protected:
    void ShowRows() override {}
    int HighlightedRow() const override { return highlighted_; }
    void Highlight(int row) override { highlighted_ = row; }
    void RaiseChange() override {
        if (onChange) {
            onChange();
        }
    }

  private:
    int highlighted_ = -1;
};

}  // namespace kelvane::test

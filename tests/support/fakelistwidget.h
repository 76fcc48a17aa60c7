#pragma once

#include <string>
#include <vector>

#include "widgets/listrows.h"

namespace kelvane::test {

// A list widget in memory, in either style, by the rules every toolkit's list follows.
class FakeListWidget : public ListRows {
  public:
    explicit FakeListWidget(Style style = Style::SingleSelection) : ListRows(style) {}
    FakeListWidget(Style style, const std::vector<std::string>& items);

    // All texts, in order, for comparing in one assertion.
    std::vector<std::string> Items() const { return texts_; }

  protected:
    int RowCount() const override { return static_cast<int>(texts_.size()); }
    std::string RowText(int row) const override { return texts_[static_cast<std::size_t>(row)]; }
    void SetRowText(int row, const std::string& text) override {
        texts_[static_cast<std::size_t>(row)] = text;
    }
    void AppendRow(const std::string& text) override { texts_.push_back(text); }
    void EraseRow(int row) override;
    void ClearRows() override;
    int CurrentRow() const override { return current_; }
    void SetCurrentRow(int row) override { current_ = row; }

  private:
    std::vector<std::string> texts_;
    int current_ = -1;
};

}  // namespace kelvane::test

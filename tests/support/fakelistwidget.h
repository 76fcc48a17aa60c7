#pragma once

#include <string>
#include <utility>
#include <vector>

#include "widgets/listwidget.h"

namespace kelvane::test {

// A list widget in memory, in either style, with the contract's rules for Selected and
// ListIndex.
class FakeListWidget : public ListWidget {
  public:
    enum class Style { SingleSelection, CheckBox };

    explicit FakeListWidget(Style style = Style::SingleSelection) : style_(style) {}
    FakeListWidget(Style style, const std::vector<std::string>& items);

    int ListCount() const override { return static_cast<int>(items_.size()); }
    std::string List(int index) const override;
    void SetList(int index, const std::string& text) override;
    bool Selected(int index) const override;
    void SetSelected(int index, bool selected) override;
    int ListIndex() const override { return listIndex_; }
    void SetListIndex(int index) override;
    int NewIndex() const override { return newIndex_; }
    void AddItem(const std::string& text) override;
    void RemoveItem(int index) override;
    void Clear() override;

    // All texts, in order, for comparing in one assertion.
    std::vector<std::string> Items() const;

  private:
    void Check(int index) const;

    Style style_;
    std::vector<std::pair<std::string, bool>> items_;
    int listIndex_ = -1;
    int newIndex_ = -1;
};

}  // namespace kelvane::test

#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "widgets/textboxcore.h"

namespace kelvane::test {

// A text box in memory, on the text boxes' shared rules. Counts the calls to SetFocus, and tells
// whether it holds the focus.
class FakeTextBox : public TextBoxCore {
  public:
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override {
        text_ = text;
        shown_ = {0, 0};
    }

    // The text the user sees selected.
    std::string SelectedText() const {
        return text_.substr(static_cast<std::size_t>(SelStart()),
                            static_cast<std::size_t>(SelLength()));
    }

    bool hasFocus = false;
    int focusCalls = 0;
    bool shown = true;  // hidden, it refuses the focus

  protected:
    std::pair<std::size_t, std::size_t> ShownSelection() const override { return shown_; }
    void ShowSelection(std::size_t start, std::size_t end) override { shown_ = {start, end}; }
    bool Shown() const override { return shown; }
    void TakeFocus() override {
        hasFocus = true;
        ++focusCalls;
    }
    void ShowMaxLength(int) override {}

  private:
    std::string text_;
    std::pair<std::size_t, std::size_t> shown_{0, 0};  // in UTF-16 units, as a toolkit shows
};

}  // namespace kelvane::test

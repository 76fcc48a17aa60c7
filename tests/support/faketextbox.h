#pragma once

#include <string>

#include "widgets/textbox.h"

namespace kelvane::test {

// A text box in memory. Counts the calls to SetFocus, and tells whether it holds the focus.
class FakeTextBox : public TextBox {
  public:
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;
    int SelStart() const override { return selStart_; }
    void SetSelStart(int start) override;
    int SelLength() const override { return selLength_; }
    void SetSelLength(int length) override;
    void SetFocus() override;
    int MaxLength() const override { return maxLength_; }
    void SetMaxLength(int length) override { maxLength_ = length; }

    // The text the user sees selected.
    std::string SelectedText() const { return text_.substr(selStart_, selLength_); }

    bool hasFocus = false;
    int focusCalls = 0;

  private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
};

}  // namespace kelvane::test

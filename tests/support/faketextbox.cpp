#include "faketextbox.h"

#include <algorithm>

namespace kelvane::test {

void FakeTextBox::SetText(const std::string& text) {
    text_ = text;
    selStart_ = 0;
    selLength_ = 0;
}

void FakeTextBox::SetSelStart(int start) {
    selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void FakeTextBox::SetSelLength(int length) {
    selLength_ = std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_);
}

void FakeTextBox::SetFocus() {
    hasFocus = true;
    ++focusCalls;
}

}  // namespace kelvane::test

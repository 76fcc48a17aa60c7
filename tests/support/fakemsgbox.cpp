#include "fakemsgbox.h"

namespace kelvane::test {

MsgBox::Button FakeMsgBox::Show(const std::string& text, Style style, const std::string& title) {
    shown.push_back({text, style, title});
    if (onShow) {
        onShow(shown.back());
    }
    if (!answers.empty()) {
        const Button answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return style == Style::Question ? Button::No : Button::Ok;
}

}  // namespace kelvane::test

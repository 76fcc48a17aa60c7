#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "widgets/msgbox.h"

namespace kelvane::test {

// Records every message box instead of showing it, and answers from a script.
class FakeMsgBox : public MsgBox {
  public:
    struct Shown {
        std::string text;
        Style style;
        std::string title;
    };

    Button Show(const std::string& text, Style style, const std::string& title) override;

    // Answers for the coming boxes, first in first out. When the script runs out, a question
    // is answered No and any other box OK.
    std::deque<Button> answers;
    std::vector<Shown> shown;
    // Called with each box while it shows, as the user could act then.
    std::function<void(const Shown&)> onShow;
};

}  // namespace kelvane::test

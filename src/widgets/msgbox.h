#pragma once

#include <string>

namespace kelvane {

// A modal message box: a text, an icon with its buttons, and a title.
class MsgBox {
  public:
    enum class Style {
        Information,  // information icon, OK
        Question,     // question icon, Yes and No
        Critical,     // critical icon, OK
        Plain,        // no icon, OK
    };
    enum class Button { Ok, Yes, No };

    virtual ~MsgBox() = default;

    // Shows the box and returns the button pressed. A box given an empty title shows the
    // application title.
    virtual Button Show(const std::string& text, Style style, const std::string& title) = 0;
};

}  // namespace kelvane

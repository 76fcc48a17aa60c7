#include <string>

#include "listcontract.h"

namespace kelvane::test {
namespace {

using Hand = MsgBoxHand;
using Style = MsgBox::Style;
using Button = MsgBox::Button;

// Each style's icon and buttons, answered every way a user can; a box given no title shows the
// application's.
TEST_P(MsgBoxContract, ShowsItsStyleAndReturnsTheButtonTheUserMeant) {
    const struct {
        Style style;
        Hand::Answer answer;
        Button returned;
        Hand::Icon icon;
        const char* title;
    } cases[] = {
        {Style::Question, Hand::kYes, Button::Yes, Hand::kQuestion, "Kelvane Message"},
        {Style::Question, Hand::kNo, Button::No, Hand::kQuestion, "Kelvane Message"},
        {Style::Question, Hand::kEnter, Button::Yes, Hand::kQuestion, "Kelvane Message"},
        {Style::Question, Hand::kEscape, Button::No, Hand::kQuestion, "Kelvane Message"},
        {Style::Question, Hand::kCloseBox, Button::No, Hand::kQuestion, "Kelvane Message"},
        {Style::Information, Hand::kOk, Button::Ok, Hand::kInformation, "Kelvane Message"},
        {Style::Critical, Hand::kEscape, Button::Ok, Hand::kCritical, "Kelvane Message"},
        {Style::Critical, Hand::kCloseBox, Button::Ok, Hand::kCritical, "Kelvane Message"},
        {Style::Plain, Hand::kOk, Button::Ok, Hand::kNoIcon, ""},
    };
    const std::unique_ptr<Hand> hand = GetParam().make();
    for (const auto& c : cases) {
        SCOPED_TRACE("style " + std::to_string(static_cast<int>(c.style)) + ", answer " +
                     std::to_string(c.answer));
        const std::string text = "The file <b>a.txt</b> caf\xc3\xa9 already exists!";
        const Hand::Shown shown = hand->ShowAndAnswer(text, c.style, c.title, c.answer);
        EXPECT_EQ(shown.returned, c.returned);
        EXPECT_EQ(shown.icon, c.icon);
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.title, *c.title != '\0' ? c.title : "Kelvane Text File Merger");
    }
}

}  // namespace
}  // namespace kelvane::test

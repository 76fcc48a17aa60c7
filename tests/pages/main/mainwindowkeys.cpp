// The keyboard on the real main window, on each toolkit: where Tab goes, which button Enter,
// Esc and the access letters click, and the close box.
#include <memory>
#include <string>
#include <vector>

#include "mainwindowhand.h"
#include "pages/main/frmmaindesign.h"

namespace kelvane::test {

namespace {

using Hand = MainWindowHand;

// The focus starts on the first control of the description's Tab order; Tab goes round the
// controls of that order that the page in front shows, the tab control by its tab strip.
TEST_P(MainWindowOnScreen, TabGoesRoundTheControlsOfThePageInFront) {
    const std::unique_ptr<Hand> hand = GetParam().make();
    const FormDesign& design = frmMainDesign();
    const std::vector<const ControlDesign*> order = design.TabOrder();
    EXPECT_EQ(hand->Focused(), order.front()->name);
    EXPECT_EQ(hand->Page(), 0);
    for (int page : {1, 0}) {
        SCOPED_TRACE(page);
        hand->Mouse(true, "SSTab1", page);
        hand->Mouse(false, "SSTab1", page);
        hand->Settle(0);
        ASSERT_EQ(hand->Page(), page);
        std::vector<std::string> expected;
        for (const ControlDesign* control : order) {
            const int on = design.PageOn(*control, "SSTab1");
            if (on == -1 || on == page) {
                expected.push_back(control->name);
            }
        }
        hand->Focus(expected.front());
        std::vector<std::string> visited;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            hand->Press("", Hand::kTab);
            hand->Settle(0);
            visited.push_back(hand->Focused());
        }
        expected.push_back(expected.front());
        expected.erase(expected.begin());
        EXPECT_EQ(visited, expected);
    }
}

// A key on the control with the focus, or the close box, and what it brought: the buttons
// clicked, and whether the window unloaded ("&Close" unloads it, asking nothing).
struct KeyCase {
    const char* focus;
    const char* stroke;  // "Enter", "Esc", "Alt+" and a letter, or "CloseBox"
    const char* clicked;
    bool unloaded;
};

// Enter clicks the focused button, and no other; there is no Cancel button for Esc; an access
// letter clicks its button on the page in front only; the close box unloads.
const KeyCase kKeys[] = {
    {"cmdClose", "Enter", "", true},          {"cmdClose", "Esc", "", false},
    {"cmdMerge", "Enter", "cmdMerge", false}, {"lstFileSelect", "Enter", "", false},
    {"txtTartgetPath", "Esc", "", false},     {"txtTartgetPath", "Alt+m", "cmdMerge", false},
    {"txtTartgetPath", "Alt+a", "", false},  // a button of the Options page
    {"txtTartgetPath", "CloseBox", "", true},
};

TEST_P(MainWindowOnScreen, KeysClickTheirButtonsAndTheCloseBoxUnloads) {
    for (const KeyCase& c : kKeys) {
        SCOPED_TRACE(std::string(c.focus) + " " + c.stroke);
        const std::unique_ptr<Hand> hand = GetParam().make();
        Window& window = hand->Main().window();
        std::string clicked;
        bool unloaded = false;
        for (const ControlDesign& control : frmMainDesign().controls) {
            if (control.kind == ControlKind::Button && control.name != "cmdClose") {
                window.On(control.name, Event::Click,
                          [&clicked, name = control.name](const MouseEvent&) { clicked += name; });
            }
        }
        window.OnUnload([&unloaded] { unloaded = true; });
        hand->Focus(c.focus);
        const std::string stroke = c.stroke;
        if (stroke == "CloseBox") {
            hand->CloseBox();
        } else if (stroke.starts_with("Alt+")) {
            hand->Alt(stroke.back());
        } else {
            hand->Press("", stroke == "Enter" ? Hand::kEnter : Hand::kEscape);
        }
        EXPECT_EQ(hand->Settle(0), 0);
        EXPECT_EQ(clicked, c.clicked);
        EXPECT_EQ(unloaded, c.unloaded);
        EXPECT_EQ(hand->Shown(), !c.unloaded);
    }
}

}  // namespace

}  // namespace kelvane::test

#include "mainwindowhand.h"

#include <cctype>
#include <vector>

#include "pages/filetypes/filetypelist.h"
#include "pages/main/frmmaindesign.h"

namespace kelvane::test {

namespace {

// How the user leaves the file-type box for a control: a click, or one whose message comes and
// goes between the press and the release, or a click on the window before the window system
// activated it; Tab to the next button, then Space or Enter on that button before anything
// else runs; Alt with the control's access letter; a click on the other page's tab; a click on
// this page's tab and the Left arrow before anything else runs. And Enter alone, on the control
// with the focus.
enum class Gesture {
    kClick,
    kPacedClick,
    kInactiveClick,
    kTabSpace,
    kTabEnter,
    kAlt,
    kOtherTab,
    kTabArrow,
    kEnter
};

using Hand = MainWindowHand;

// A gesture after an entry, and the file types listed afterwards.
struct EntryCase {
    const char* name;
    Gesture gesture;
    const char* control;
    const char* entry;
    std::vector<std::string> types;
    const char* left = nullptr;  // the entry after a refusal, when it isn't `entry`
};
using G = Gesture;

const std::vector<std::string> kDefaults{"TXT", "SQL", "DAT"};
const std::vector<std::string> kWithDoc{"TXT", "SQL", "DAT", "DOC"};

const EntryCase kCases[] = {
    // A refused entry: the click never runs, but for "C&lear", described to empty the entry.
    {"ClickOnAdd", G::kClick, "cmdAddFileType", "TX1", kDefaults},
    {"PacedClickOnAdd", G::kPacedClick, "cmdAddFileType", "TX1", kDefaults},
    {"ClickOnTheInactiveWindow", G::kInactiveClick, "cmdAddFileType", "TX1", kDefaults},
    {"AltA", G::kAlt, "cmdAddFileType", "TX1", kDefaults},
    {"AltMOutsideThePage", G::kAlt, "cmdMerge", "TX1", kDefaults},
    {"AltL", G::kAlt, "cmdClear", "TX1", kDefaults, ""},
    {"ClickOnClear", G::kClick, "cmdClear", "TX1", kDefaults, ""},
    {"PacedClickOnClear", G::kPacedClick, "cmdClear", "TX1", kDefaults, ""},
    {"OtherPagesTab", G::kOtherTab, "SSTab1", "TX1", kDefaults},
    {"ArrowOnTheTabStrip", G::kTabArrow, "SSTab1", "TX1", kDefaults},
    {"TabThenSpace", G::kTabSpace, "cmdAddFileType", "TX1", kDefaults},
    {"TabThenEnter", G::kTabEnter, "cmdAddFileType", "TX1", kDefaults},
    // A valid entry lets every gesture click.
    {"ValidByClick", G::kClick, "cmdAddFileType", "DOC", kWithDoc},
    {"ValidByPacedClick", G::kPacedClick, "cmdAddFileType", "DOC", kWithDoc},
    {"ValidByTabThenSpace", G::kTabSpace, "cmdAddFileType", "DOC", kWithDoc},
    {"ValidByTabThenEnter", G::kTabEnter, "cmdAddFileType", "DOC", kWithDoc},
    {"ValidByAltA", G::kAlt, "cmdAddFileType", "DOC", kWithDoc},
    {"ValidByAltD", G::kAlt, "cmdDelete", "DOC", {"SQL", "DAT"}},
};

// Makes the gesture and returns the number of message boxes it brought.
int Make(Hand& hand, Gesture gesture, const std::string& control, int boxes) {
    switch (gesture) {
        case G::kInactiveClick:
            hand.Deactivate();
            [[fallthrough]];
        case G::kClick:
            hand.Mouse(true, control);
            hand.Mouse(false, control);
            break;
        case G::kPacedClick: {
            hand.Mouse(true, control);
            const int seen = hand.Settle(boxes);
            hand.Mouse(false, control);
            return seen + hand.Settle(0);
        }
        case G::kTabSpace:
        case G::kTabEnter:
            hand.Press("", Hand::kTab);
            hand.Press(control, gesture == G::kTabSpace ? Hand::kSpace : Hand::kEnter);
            break;
        case G::kAlt: {
            const std::string letter = AccessLetter(frmMainDesign().Find(control)->Caption());
            hand.Alt(static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0]))));
            break;
        }
        case G::kOtherTab:
        case G::kTabArrow: {
            const int tab = gesture == G::kOtherTab ? 1 - hand.Page() : hand.Page();
            hand.Mouse(true, control, tab);
            hand.Mouse(false, control, tab);
            if (gesture == G::kTabArrow) {
                hand.Press(control, Hand::kLeft);
            }
            break;
        }
        case G::kEnter:
            hand.Press("", Hand::kEnter);
            break;
    }
    return hand.Settle(boxes);
}

std::vector<std::string> Items(ListWidget& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) {
        items.push_back(list.List(i));
    }
    return items;
}

// The check runs once, as the focus leaves the entry, before the click. A refused entry keeps
// the focus with its page in front, the click that took it away never runs, not behind the
// message box, not while it is open, not after it; Enter then does nothing, and every other
// attempt to leave is checked again.
void ExpectTheCheck(const MainWindowHandMaker& maker, const EntryCase& c) {
    SCOPED_TRACE(c.name);
    bool unloaded = false;
    const std::unique_ptr<Hand> hand = maker.make();
    frmMain& main = hand->Main();
    main.window().OnUnload([&unloaded] { unloaded = true; });
    main.lstFileType.SetListIndex(0);  // so that a Delete that ran would show
    main.txtFileType.SetText(c.entry);
    main.txtFileType.SetFocus();  // which shows its page
    hand->Settle(0);
    const int boxes = FileTypeList::validateFileType(c.entry) ? 0 : 1;
    EXPECT_EQ(Make(*hand, c.gesture, c.control, boxes), boxes)
        << "a click that ran would ask or warn";
    EXPECT_EQ(Items(main.lstFileType), c.types);
    if (boxes == 0) {
        EXPECT_EQ(hand->Focused(), c.control);
        return;
    }
    const std::string left = c.left != nullptr ? c.left : c.entry;
    EXPECT_EQ(hand->Page(), 1);
    EXPECT_EQ(hand->Focused(), "txtFileType");
    EXPECT_EQ(main.txtFileType.Text(), left);
    EXPECT_EQ(main.txtFileType.SelStart(), 0);
    EXPECT_EQ(main.txtFileType.SelLength(), static_cast<int>(left.size()));
    EXPECT_EQ(Make(*hand, G::kEnter, "txtFileType", 0), 0);
    EXPECT_FALSE(unloaded);

    main.txtFileType.SetText("MP3");
    EXPECT_EQ(Make(*hand, G::kOtherTab, "SSTab1", 1), 1);
    EXPECT_EQ(hand->Page(), 1);
    main.txtFileType.SetText("DOC");
    EXPECT_EQ(Make(*hand, G::kOtherTab, "SSTab1", 0), 0);
    EXPECT_EQ(hand->Page(), 0);
}

}  // namespace

TEST_P(MainWindowOnScreen, RefusedEntryKeepsTheFocusAndStopsTheClick) {
    for (const EntryCase& c : kCases) {
        ExpectTheCheck(GetParam(), c);
    }
}

}  // namespace kelvane::test

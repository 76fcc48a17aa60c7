#include "pages/filetypes/filetypelist.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fakelistwidget.h"
#include "fakemsgbox.h"
#include "faketextbox.h"
#include "widgets/widgeterror.h"

namespace kelvane {
namespace {

using test::FakeListWidget;
using test::FakeMsgBox;
using test::FakeTextBox;

constexpr char kInvalid[] = "Invalid file type. Please enter a valid type ( 'TXT', 'DAT'...)";
constexpr char kQuestion[] = "The file types in the list will be cleared. Do you want to continue?";

// A list whose SetSelected fails, for the failure rules.
struct NoMarkList : FakeListWidget {
    using FakeListWidget::FakeListWidget;
    void SetSelected(int, bool) override { throw WidgetError("no mark"); }
};

std::vector<bool> Marks(const ListWidget& list) {
    std::vector<bool> marks;
    for (int i = 0; i < list.ListCount(); ++i) {
        marks.push_back(list.Selected(i));
    }
    return marks;
}

// The Options page as frmMain holds it: the three defaults, "SQL" unmarked by the user.
struct Page {
    FakeListWidget list{FakeListWidget::Style::CheckBox};
    FakeTextBox text;
    FakeMsgBox msg;
    FileTypeList types{list, text, msg};
    Page() {
        types.AddDefaults();
        list.SetSelected(1, false);
    }
};

TEST(FileTypeList, DefaultsAreTxtSqlDatEachMarked) {
    FakeListWidget list(FakeListWidget::Style::CheckBox);
    FakeTextBox text;
    FakeMsgBox msg;
    FileTypeList(list, text, msg).AddDefaults();
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"TXT", "SQL", "DAT"}));
    EXPECT_EQ(Marks(list), (std::vector<bool>{true, true, true}));
}

struct ValidateCase {
    std::string type;
    bool valid;
};
class ValidateFileType : public testing::TestWithParam<ValidateCase> {};

TEST_P(ValidateFileType, AcceptsOnlyLettersOrBlank) {
    EXPECT_EQ(FileTypeList::validateFileType(GetParam().type), GetParam().valid)
        << '"' << GetParam().type << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Types, ValidateFileType,
    testing::Values(ValidateCase{"", true}, ValidateCase{"    ", true}, ValidateCase{"A", true},
                    ValidateCase{"txt", true}, ValidateCase{"Txt", true},
                    ValidateCase{"AZaz", true}, ValidateCase{"TEXTFILE", true},
                    ValidateCase{" TXT", false}, ValidateCase{"TXT ", false},
                    ValidateCase{"T XT", false}, ValidateCase{"MP3", false},
                    ValidateCase{"TX_T", false}, ValidateCase{"T.X", false},
                    ValidateCase{"T-X", false}, ValidateCase{"\tTXT", false},
                    ValidateCase{"\t", false}, ValidateCase{std::string("T\0X", 3), false},
                    // the bytes either side of the two letter ranges
                    ValidateCase{"@", false}, ValidateCase{"[", false}, ValidateCase{"`", false},
                    ValidateCase{"{", false},
                    // an accented letter in UTF-8, and in an 8-bit code page
                    ValidateCase{"\xC3\xA9", false}, ValidateCase{"caf\xC3\xA9", false},
                    ValidateCase{"\xE9", false}, ValidateCase{"\xFF", false}));

using Items = std::vector<std::string>;
const Items kDefaults{"TXT", "SQL", "DAT"};

// One procedure of the page, run on it with an entry typed, a row highlighted and every question
// answered alike.
struct Step {
    const char* name;
    void (FileTypeList::*procedure)();
    std::string entry;
    Items items;  // the list afterwards; each item marked, but for the user's unmarked "SQL"
    const char* message = nullptr;  // the one message shown, if any
    int row = -1;
    MsgBox::Button answer = MsgBox::Button::Yes;
    bool emptied = false;  // the entry is emptied; otherwise it is kept
};

void PrintTo(const Step& step, std::ostream* os) {
    *os << step.name;
}

class PageStep : public testing::TestWithParam<Step> {};

// A refused entry, on the loss of the focus, gets the focus back, wholly selected; the rule
// itself is validateFileType's. A new type is marked; the add command does not check the entry.
TEST_P(PageStep, ChangesTheListAndTheEntryAsTheProcedureDoes) {
    const Step& c = GetParam();
    Page page;
    page.text.SetText(c.entry);
    page.text.SetSelStart(1);
    page.list.SetListIndex(c.row);
    page.msg.answers = {c.answer};
    (page.types.*c.procedure)();
    EXPECT_EQ(page.list.Items(), c.items);
    std::vector<bool> marks;
    for (const std::string& item : c.items) {
        marks.push_back(item != "SQL");
    }
    EXPECT_EQ(Marks(page.list), marks);
    EXPECT_EQ(page.text.Text(), c.emptied ? "" : c.entry);
    ASSERT_EQ(page.msg.shown.size(), c.message != nullptr ? 1u : 0u);
    const bool refused = c.message == kInvalid;
    EXPECT_EQ(page.text.focusCalls, refused ? 1 : 0);
    if (c.message != nullptr) {
        EXPECT_EQ(page.msg.shown[0].text, c.message);
        EXPECT_EQ(page.msg.shown[0].style,
                  refused ? MsgBox::Style::Information : MsgBox::Style::Question);
        EXPECT_EQ(page.msg.shown[0].title, "Kelvane Message");
    }
    if (refused) {
        EXPECT_EQ(page.text.SelStart(), 0);
        EXPECT_EQ(page.text.SelectedText(), c.entry);
    }
}

constexpr auto kLostFocus = &FileTypeList::txtFileType_LostFocus;
constexpr auto kAdd = &FileTypeList::cmdAddFileType_Click;
constexpr auto kDelete = &FileTypeList::cmdDelete_Click;
constexpr auto kClearList = &FileTypeList::cmdLearList_Click;
constexpr auto kClear = &FileTypeList::cmdClear_Click;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Steps, PageStep, testing::Values(
    Step{"CheckAcceptsLetters", kLostFocus, "txt", kDefaults},
    Step{"CheckAcceptsBlanks", kLostFocus, "  ", kDefaults},
    Step{"CheckRefusesADigit", kLostFocus, "MP3", kDefaults, kInvalid},
    Step{"AddListedType", kAdd, "TXT", kDefaults},
    Step{"AddLastListedType", kAdd, "DAT", kDefaults},
    Step{"AddTrimsBeforeLookingUp", kAdd, " SQL ", kDefaults},
    Step{"AddNothing", kAdd, "", kDefaults},
    Step{"AddBlanks", kAdd, "   ", kDefaults},
    Step{"AddOtherCase", kAdd, "txt", {"TXT", "SQL", "DAT", "txt"}},
    Step{"AddTrimmed", kAdd, " DOC", {"TXT", "SQL", "DAT", "DOC"}},
    Step{"AddPrefixOfAType", kAdd, "TX", {"TXT", "SQL", "DAT", "TX"}},
    Step{"AddUnchecked", kAdd, "MP3", {"TXT", "SQL", "DAT", "MP3"}},
    Step{"DeleteNothingHighlighted", kDelete, "", kDefaults},
    Step{"DeleteFirst", kDelete, "", {"SQL", "DAT"}, nullptr, 0},
    Step{"DeleteUnmarked", kDelete, "", {"TXT", "DAT"}, nullptr, 1},
    Step{"DeleteLast", kDelete, "", {"TXT", "SQL"}, nullptr, 2},
    Step{"ClearListOnNo", kClearList, "", kDefaults, kQuestion, -1, MsgBox::Button::No},
    Step{"ClearListOnYes", kClearList, "", {}, kQuestion},
    Step{"ClearEntry", kClear, "MP3", kDefaults, nullptr, -1, MsgBox::Button::Yes, true}));
// clang-format on

TEST(FileTypeList, EntryCheckGoesPastAFailingStep) {
    FakeListWidget list(FakeListWidget::Style::CheckBox);
    FakeTextBox text;
    text.shown = false;  // so SetFocus fails
    FakeMsgBox msg;
    text.SetText("MP3");
    FileTypeList(list, text, msg).txtFileType_LostFocus();
    EXPECT_EQ(msg.shown.size(), 1u);
    EXPECT_EQ(text.SelectedText(), "MP3");
}

TEST(FileTypeList, AddStopsSilentlyAtAFailureKeepingWhatWasDone) {
    NoMarkList list(FakeListWidget::Style::CheckBox);
    FakeTextBox text;
    FakeMsgBox msg;
    text.SetText("DOC");
    EXPECT_NO_THROW(FileTypeList(list, text, msg).cmdAddFileType_Click());
    EXPECT_EQ(list.Items(), std::vector<std::string>{"DOC"});
    EXPECT_TRUE(msg.shown.empty());
}

}  // namespace
}  // namespace kelvane

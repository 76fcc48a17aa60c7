#include "pages/filetypes/filetypelist.h"

#include <gtest/gtest.h>

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

class EntryCheck : public testing::TestWithParam<std::pair<std::string, bool>> {};

// On every loss of the focus; the rule itself is validateFileType's.
TEST_P(EntryCheck, RefusalShowsOneMessageAndSelectsTheWholeEntry) {
    const auto& [entry, refused] = GetParam();
    Page page;
    page.text.SetText(entry);
    for (const int losses : {1, 2}) {
        page.text.SetSelStart(1);
        page.types.txtFileType_LostFocus();
        EXPECT_EQ(page.text.focusCalls, refused ? losses : 0);
        EXPECT_EQ(page.msg.shown.size(), refused ? losses : 0u);
        if (refused) {
            EXPECT_EQ(page.msg.shown.back().text, kInvalid);
            EXPECT_EQ(page.msg.shown.back().style, MsgBox::Style::Information);
            EXPECT_EQ(page.msg.shown.back().title, "Kelvane Message");
            EXPECT_EQ(page.text.SelStart(), 0);
            EXPECT_EQ(page.text.SelectedText(), entry);
        }
    }
    EXPECT_EQ(page.text.Text(), entry);
    EXPECT_EQ(page.list.Items(), (std::vector<std::string>{"TXT", "SQL", "DAT"}));
}

INSTANTIATE_TEST_SUITE_P(Entries, EntryCheck,
                         testing::Values(std::pair<std::string, bool>{"txt", false},
                                         std::pair<std::string, bool>{"  ", false},
                                         std::pair<std::string, bool>{"MP3", true}));

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

struct AddCase {
    std::string entry;
    std::vector<std::string> items;  // the list afterwards
};
class AddFileType : public testing::TestWithParam<AddCase> {};

TEST_P(AddFileType, AppendsTheTrimmedEntryUnlessListedExactly) {
    Page page;
    page.text.SetText(GetParam().entry);
    page.types.cmdAddFileType_Click();
    EXPECT_EQ(page.list.Items(), GetParam().items);
    std::vector<bool> marks{true, false, true};
    marks.resize(GetParam().items.size(), true);  // a new item is marked, the others keep theirs
    EXPECT_EQ(Marks(page.list), marks);
    EXPECT_TRUE(page.msg.shown.empty());
    EXPECT_EQ(page.text.Text(), GetParam().entry);  // the entry is kept
}

INSTANTIATE_TEST_SUITE_P(Entries, AddFileType,
                         testing::Values(AddCase{"TXT", {"TXT", "SQL", "DAT"}},
                                         AddCase{"DAT", {"TXT", "SQL", "DAT"}},
                                         AddCase{" SQL ", {"TXT", "SQL", "DAT"}},
                                         AddCase{"", {"TXT", "SQL", "DAT"}},
                                         AddCase{"   ", {"TXT", "SQL", "DAT"}},
                                         AddCase{"txt", {"TXT", "SQL", "DAT", "txt"}},
                                         AddCase{" DOC", {"TXT", "SQL", "DAT", "DOC"}},
                                         AddCase{"TX", {"TXT", "SQL", "DAT", "TX"}},
                                         // the add command does not check the entry
                                         AddCase{"MP3", {"TXT", "SQL", "DAT", "MP3"}}));

TEST(FileTypeList, AddStopsSilentlyAtAFailureKeepingWhatWasDone) {
    NoMarkList list(FakeListWidget::Style::CheckBox);
    FakeTextBox text;
    FakeMsgBox msg;
    text.SetText("DOC");
    EXPECT_NO_THROW(FileTypeList(list, text, msg).cmdAddFileType_Click());
    EXPECT_EQ(list.Items(), std::vector<std::string>{"DOC"});
    EXPECT_TRUE(msg.shown.empty());
}

TEST(FileTypeList, DeleteRemovesOnlyTheHighlightedItemWhateverIsMarked) {
    const std::vector<std::vector<std::string>> after = {
        {"TXT", "SQL", "DAT"}, {"SQL", "DAT"}, {"TXT", "DAT"}, {"TXT", "SQL"}};
    for (int row = -1; row < 3; ++row) {
        Page page;
        page.list.SetListIndex(row);
        page.types.cmdDelete_Click();
        EXPECT_EQ(page.list.Items(), after[static_cast<std::size_t>(row + 1)]) << row;
        EXPECT_TRUE(page.msg.shown.empty());
    }
}

TEST(FileTypeList, ClearListAsksFirstAndClearsOnlyOnYes) {
    for (const auto answer : {MsgBox::Button::No, MsgBox::Button::Yes}) {
        Page page;
        page.msg.answers.push_back(answer);
        page.types.cmdLearList_Click();
        ASSERT_EQ(page.msg.shown.size(), 1u);
        EXPECT_EQ(page.msg.shown[0].text, kQuestion);
        EXPECT_EQ(page.msg.shown[0].style, MsgBox::Style::Question);
        EXPECT_EQ(page.msg.shown[0].title, "Kelvane Message");
        EXPECT_EQ(page.list.ListCount(), answer == MsgBox::Button::Yes ? 0 : 3);
    }
}

TEST(FileTypeList, ClearEntryEmptiesTheBoxOnly) {
    for (const std::string entry : {"MP3", ""}) {
        Page page;
        page.text.SetText(entry);
        page.types.cmdClear_Click();
        EXPECT_EQ(page.text.Text(), "");
        EXPECT_EQ(page.list.ListCount(), 3);
        EXPECT_TRUE(page.msg.shown.empty());
    }
}

}  // namespace
}  // namespace kelvane

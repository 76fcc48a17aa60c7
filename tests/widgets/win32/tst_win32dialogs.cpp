// The real MessageBoxW and GetSaveFileNameW, answered by a timer the way a user would.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "base/widetext.h"
#include "boxdriver.h"
#include "tempfolder.h"
#include "widgets/win32/win32msgbox.h"
#include "widgets/win32/win32savedialog.h"

namespace kelvane::win32 {
namespace {

using test::BoxDriver;

struct AnswerCase {
    const char* name;
    MsgBox::Style style;
    BoxDriver::Action action;
    MsgBox::Button expected;
};

class MsgBoxAnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(MsgBoxAnswerTest, ReturnsTheButtonTheUserChose) {
    BoxDriver driver;
    driver.Expect(GetParam().action);
    const MsgBox::Button answer =
        Win32MsgBox().Show("The file already exists!", GetParam().style, "Kelvane Message");
    ASSERT_EQ(driver.seen.size(), 1u);  // a box really opened
    EXPECT_TRUE(driver.seen[0].closeBox);
    EXPECT_EQ(answer, GetParam().expected);
    EXPECT_EQ(driver.unexpected, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MsgBoxAnswerTest,
    testing::Values(
        AnswerCase{"Yes", MsgBox::Style::Question, BoxDriver::Press(IDYES), MsgBox::Button::Yes},
        AnswerCase{"No", MsgBox::Style::Question, BoxDriver::Press(IDNO), MsgBox::Button::No},
        AnswerCase{"Esc", MsgBox::Style::Question, BoxDriver::Key(VK_ESCAPE), MsgBox::Button::No},
        AnswerCase{"CloseBox", MsgBox::Style::Question, BoxDriver::CloseBox(), MsgBox::Button::No},
        AnswerCase{"Ok", MsgBox::Style::Information, BoxDriver::Press(IDOK), MsgBox::Button::Ok},
        AnswerCase{"OkByEsc", MsgBox::Style::Critical, BoxDriver::Key(VK_ESCAPE),
                   MsgBox::Button::Ok}),
    [](const testing::TestParamInfo<AnswerCase>& param) { return param.param.name; });

struct StyleCase {
    const char* name;
    MsgBox::Style style;
    LPCSTR systemIcon;  // nullptr for a box without icon
    const char* title;  // as given; empty for none
    const char* shownTitle;
};

class MsgBoxStyleTest : public testing::TestWithParam<StyleCase> {};

TEST_P(MsgBoxStyleTest, ShowsTheIconAndTitle) {
    BoxDriver driver;
    driver.Expect(BoxDriver::Key(VK_ESCAPE));
    Win32MsgBox().Show("Some text", GetParam().style, GetParam().title);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].title, GetParam().shownTitle);
    EXPECT_EQ(driver.seen[0].text, "Some text");
    const HICON expected =
        GetParam().systemIcon == nullptr ? nullptr : LoadIconA(nullptr, GetParam().systemIcon);
    EXPECT_EQ(driver.seen[0].icon, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MsgBoxStyleTest,
    testing::Values(StyleCase{"Information", MsgBox::Style::Information, MAKEINTRESOURCEA(32516),
                              "Kelvane Message", "Kelvane Message"},
                    StyleCase{"Question", MsgBox::Style::Question, MAKEINTRESOURCEA(32514),
                              "Kelvane Message", "Kelvane Message"},
                    StyleCase{"Critical", MsgBox::Style::Critical, MAKEINTRESOURCEA(32513),
                              "Kelvane Message", "Kelvane Message"},
                    StyleCase{"PlainUntitled", MsgBox::Style::Plain, nullptr, "",
                              "Kelvane Text File Merger"}),
    [](const testing::TestParamInfo<StyleCase>& param) { return param.param.name; });

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

// The file chosen is given back exactly, whatever the scripts of its name and of its folder's.
TEST(Win32SaveDialogTest, OffersTheFilterAndChoosesAFileElsewhereWithoutMovingTheCurrentFolder) {
    kelvane::test::TempFolder temp;
    const std::string folder = temp.Text() + "\\Ωmega 日本 ő";
    ASSERT_TRUE(CreateDirectoryW(ToWideShown(folder).c_str(), nullptr));
    const std::string existing = folder + "\\中文 😀 ő.txt";
    std::ofstream(kelvane::test::Utf8Path(existing)) << "old";
    const std::string before = CurrentFolder();
    Win32SaveDialog dialog;
    dialog.SetFilter("Text files (*.txt)|*.txt;*.sql|All Files(*.*)|*.*");
    dialog.SetDialogTitle("Save Target File As");
    dialog.SetFileName(folder + "\\first.txt");  // the dialog opens in that folder

    std::vector<std::string> types;
    BoxDriver driver;
    driver.Expect([&](HWND box) {
        HWND typeList = GetDlgItem(box, 0x470);  // the file type combo box
        const auto count = static_cast<int>(SendMessageA(typeList, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(typeList, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            types.emplace_back(text);
        }
        SetDlgItemTextW(box, 0x47C, ToWideShown(existing).c_str());  // the file name field
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    dialog.ShowSave();

    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].title, "Save Target File As");
    EXPECT_EQ(types, (std::vector<std::string>{"Text files (*.txt)", "All Files(*.*)"}));
    EXPECT_EQ(driver.unexpected, 0);  // no overwrite question of its own
    EXPECT_EQ(dialog.FileName(), existing);
    EXPECT_EQ(CurrentFolder(), before);
}

// The name so far is offered unless UTF-16 can't spell it (then it would be shown with U+FFFD,
// and accepting it unchanged would name another file); a cancel keeps it either way.
TEST(Win32SaveDialogTest, OffersTheFileNameItCanSpellAndKeepsItWhenCancelled) {
    const struct {
        std::string before;
        std::wstring offered;  // how the file name field ends
    } cases[] = {
        {"C:\\before.txt", L"before.txt"},
        {FromWide(std::wstring{L'C', L':', L'\\', 0xD800, L'.', L't', L'x', L't'}), L""},
    };
    for (const auto& c : cases) {
        Win32SaveDialog dialog;
        dialog.SetFileName(c.before);
        std::wstring field;
        BoxDriver driver;
        driver.Expect([&](HWND box) {
            wchar_t text[MAX_PATH] = {};
            GetDlgItemTextW(box, 0x47C, text, MAX_PATH);
            field = text;
            BoxDriver::Press(IDCANCEL)(box);
        });
        dialog.ShowSave();
        ASSERT_EQ(driver.seen.size(), 1u);
        EXPECT_TRUE(field.ends_with(c.offered) && (field.empty() == c.offered.empty()))
            << FromWide(field);
        EXPECT_EQ(dialog.FileName(), c.before);
    }
}

TEST(Win32SaveDialogTest, NativeFilterEndsEachPartWithAZero) {
    using namespace std::string_literals;
    EXPECT_EQ(Win32SaveDialog::NativeFilter("Text|*.txt;*.sql|All|*.*"),
              "Text\0*.txt;*.sql\0All\0*.*\0\0"s);
    EXPECT_EQ(Win32SaveDialog::NativeFilter("Text|*.txt|Odd"), "Text\0*.txt\0\0"s);
}

}  // namespace
}  // namespace kelvane::win32

// The real MessageBoxW and GetSaveFileNameW, answered by a timer the way a user would.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/widetext.h"
#include "boxdriver.h"
#include "listcontract.h"
#include "widgets/win32/win32msgbox.h"
#include "widgets/win32/win32savedialog.h"

namespace kelvane::win32 {
namespace {

using test::BoxDriver;

// The real box, answered through its own buttons and keys.
class Win32Box : public kelvane::test::MsgBoxHand {
  public:
    Shown ShowAndAnswer(const std::string& text, MsgBox::Style style, const std::string& title,
                        Answer answer) override {
        const BoxDriver::Action actions[] = {BoxDriver::Press(IDYES),   BoxDriver::Press(IDNO),
                                             BoxDriver::Press(IDOK),    BoxDriver::Key(VK_RETURN),
                                             BoxDriver::Key(VK_ESCAPE), BoxDriver::CloseBox()};
        BoxDriver driver;
        driver.Expect(actions[answer]);
        Shown shown;
        shown.returned = Win32MsgBox().Show(text, style, title);
        EXPECT_EQ(driver.unexpected, 0);
        if (driver.seen.size() != 1u) {
            ADD_FAILURE() << "no box opened";
            return shown;
        }
        EXPECT_TRUE(driver.seen[0].closeBox);
        shown.title = driver.seen[0].title;
        shown.text = driver.seen[0].text;
        // The system's information, question and error icons.
        const int icons[] = {32516, 32514, 32513};
        for (const int icon : {kInformation, kQuestion, kCritical}) {
            if (driver.seen[0].icon == LoadIconA(nullptr, MAKEINTRESOURCEA(icons[icon - 1]))) {
                shown.icon = static_cast<Icon>(icon);
            }
        }
        return shown;
    }
};

using kelvane::test::MsgBoxContract;
INSTANTIATE_TEST_SUITE_P(Win32, MsgBoxContract,
                         testing::Values(kelvane::test::MsgBoxHandMaker{
                             "Win32", [] { return std::make_unique<Win32Box>(); }}),
                         kelvane::test::ParamName<kelvane::test::MsgBoxHandMaker>);

// The real dialog, answered through its own controls while its modal loop runs.
class Win32Save : public kelvane::test::SaveDialogHand {
  public:
    SaveDialog& Dialog() override { return dialog_; }
    Shown ShowAndAnswer(const std::string& file) override {
        Shown shown;
        BoxDriver driver;
        driver.Expect([&](HWND box) {
            HWND types = GetDlgItem(box, 0x470);  // the file type combo box
            const auto count = static_cast<int>(SendMessageW(types, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t text[256] = {};
                SendMessageW(types, CB_GETLBTEXT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(text));
                shown.types.push_back(FromWide(text));
            }
            wchar_t name[MAX_PATH] = {};
            GetDlgItemTextW(box, 0x47C, name, MAX_PATH);  // the file name field
            shown.name = FromWide(name);
            if (file.empty()) {
                BoxDriver::Press(IDCANCEL)(box);
                return;
            }
            SetDlgItemTextW(box, 0x47C, ToWideShown(file).c_str());
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        dialog_.ShowSave();
        EXPECT_EQ(driver.seen.size(), 1u);
        EXPECT_EQ(driver.unexpected, 0) << "a question of its own";
        shown.title = driver.seen.empty() ? "" : driver.seen[0].title;
        return shown;
    }

  private:
    Win32SaveDialog dialog_;
};

using kelvane::test::SaveDialogContract;
INSTANTIATE_TEST_SUITE_P(Win32, SaveDialogContract,
                         testing::Values(kelvane::test::SaveDialogHandMaker{
                             "Win32", [] { return std::make_unique<Win32Save>(); }}),
                         kelvane::test::ParamName<kelvane::test::SaveDialogHandMaker>);

// A name UTF-16 can't spell isn't offered (shown with U+FFFD and accepted as it stands, it would
// name another file), and a cancel keeps it.
TEST(Win32SaveDialogTest, OffersNoNameItCantSpell) {
    const std::string unspellable =
        FromWide(std::wstring{L'C', L':', L'\\', 0xD800, L'.', L't', L'x', L't'});
    Win32Save hand;
    hand.Dialog().SetFileName(unspellable);
    EXPECT_EQ(hand.ShowAndAnswer("").name, "");
    EXPECT_EQ(hand.Dialog().FileName(), unspellable);
}

}  // namespace
}  // namespace kelvane::win32

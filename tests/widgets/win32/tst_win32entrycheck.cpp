// The file-type entry check on the real main window with the real message box: it runs once
// when the focus leaves the entry box for a button or the other page, and when it fails, the
// button's click never runs ("C&lear" aside, which empties the entry) and the focus ends in the
// entry box on its own page, by mouse, keyboard or access key; the Enter after it does nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "boxdriver.h"
#include "pages/main/frmmain.h"
#include "widgets/win32/control.h"
#include "widgets/win32/messageloop.h"
#include "widgets/win32/plaincontrols.h"
#include "widgets/win32/win32toolkit.h"
#include "widgets/win32/win32window.h"

namespace kelvane::win32 {
namespace {

using test::BoxDriver;

constexpr char kInvalid[] = "Invalid file type. Please enter a valid type ( 'TXT', 'DAT'...)";

// A paced click lets the check's message come and go between the press and the release. The
// tab strip is clicked on the other page's tab, or on its own with an arrow key pressed before
// the check runs.
enum class Path { Mouse, PacedMouse, TabThenSpace, TabThenEnter, AccessKey, OtherTab, TabArrow };

struct EntryCase {
    const char* name;
    Path path;
    const char* button;
    char letter;                     // the access key, for Path::AccessKey
    const char* entry;               // the text typed into the entry box
    int boxes;                       // message boxes expected (answered with OK)
    std::vector<std::string> types;  // the file-type list afterwards
    const char* left = nullptr;      // the entry afterwards, when it isn't `entry`
};

// The centre of a tab of the tab strip, in its client coordinates.
LPARAM TabCentre(HWND strip, int tab) {
    RECT rect{};
    SendMessageA(strip, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&rect));
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

class EntryCheckTest : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryCheckTest, ChecksOnceAndSuppressesTheClickWhenTheEntryIsInvalid) {
    Win32Toolkit toolkit(96);
    frmMain main(toolkit);
    auto& form = dynamic_cast<Win32Window&>(main.window());
    form.Show();
    auto* tabs = dynamic_cast<TabControl*>(form.Find("SSTab1"));
    tabs->SetCurrentPage(1);
    main.lstFileType.SetListIndex(0);  // so that a Delete that ran would show
    main.txtFileType.SetText(GetParam().entry);
    HWND entry = form.Find("txtFileType")->Hwnd();
    HWND button = form.Find(GetParam().button)->Hwnd();
    main.txtFileType.SetFocus();
    PumpPending();

    BoxDriver driver;
    for (int i = 0; i < GetParam().boxes; ++i) {
        driver.Expect(BoxDriver::Press(IDOK));
    }
    switch (GetParam().path) {
        case Path::Mouse:
            PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
            break;
        case Path::PacedMouse:
            PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            break;
        case Path::OtherTab:
            PostMessageA(tabs->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, TabCentre(tabs->Hwnd(), 0));
            PostMessageA(tabs->Hwnd(), WM_LBUTTONUP, 0, TabCentre(tabs->Hwnd(), 0));
            break;
        case Path::TabArrow:
            PostMessageA(tabs->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, TabCentre(tabs->Hwnd(), 1));
            PostMessageA(tabs->Hwnd(), WM_LBUTTONUP, 0, TabCentre(tabs->Hwnd(), 1));
            PostMessageA(tabs->Hwnd(), WM_KEYDOWN, VK_LEFT, 1);
            break;
        case Path::TabThenSpace:
            PostMessageA(entry, WM_KEYDOWN, VK_TAB, 1);
            PostMessageA(button, WM_KEYDOWN, VK_SPACE, 1);
            PostMessageA(button, WM_KEYUP, VK_SPACE, 0xC0000001);
            break;
        case Path::TabThenEnter:
            PostMessageA(entry, WM_KEYDOWN, VK_TAB, 1);
            PostMessageA(button, WM_KEYDOWN, VK_RETURN, 1);
            break;
        case Path::AccessKey:
            PostMessageA(entry, WM_SYSCHAR, static_cast<WPARAM>(GetParam().letter), 1 << 29);
            break;
    }
    test::PumpUntil([&] { return driver.Done(); });
    if (GetParam().path == Path::PacedMouse) {
        PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    PumpPending();

    ASSERT_EQ(driver.seen.size(), static_cast<std::size_t>(GetParam().boxes));
    EXPECT_EQ(driver.unexpected, 0);  // a click that ran would have asked or warned
    std::vector<std::string> types;
    for (int i = 0; i < main.lstFileType.ListCount(); ++i) {
        types.push_back(main.lstFileType.List(i));
    }
    EXPECT_EQ(types, GetParam().types);
    if (GetParam().boxes > 0) {
        EXPECT_EQ(driver.seen[0].text, kInvalid);
        EXPECT_EQ(driver.seen[0].title, "Kelvane Message");
        const std::string left = GetParam().left != nullptr ? GetParam().left : GetParam().entry;
        EXPECT_EQ(tabs->CurrentPage(), 1);
        EXPECT_TRUE(IsWindowVisible(entry));
        EXPECT_EQ(GetFocus(), entry);
        EXPECT_EQ(main.txtFileType.Text(), left);
        EXPECT_EQ(main.txtFileType.SelStart(), 0);
        EXPECT_EQ(main.txtFileType.SelLength(), static_cast<int>(left.size()));
        PostMessageA(entry, WM_KEYDOWN, VK_RETURN, 1);
        PumpPending();
        EXPECT_FALSE(form.Unloaded());
        EXPECT_EQ(driver.seen.size(), 1u);
    }
}

const std::vector<std::string> kDefaults{"TXT", "SQL", "DAT"};
const std::vector<std::string> kWithDoc{"TXT", "SQL", "DAT", "DOC"};

INSTANTIATE_TEST_SUITE_P(
    EveryPath, EntryCheckTest,
    testing::Values(
        EntryCase{"MouseOnAdd", Path::Mouse, "cmdAddFileType", 0, "TX1", 1, kDefaults},
        EntryCase{"TabThenSpace", Path::TabThenSpace, "cmdAddFileType", 0, "TX1", 1, kDefaults},
        EntryCase{"TabThenEnter", Path::TabThenEnter, "cmdAddFileType", 0, "TX1", 1, kDefaults},
        EntryCase{"AltA", Path::AccessKey, "cmdAddFileType", 'a', "TX1", 1, kDefaults},
        EntryCase{"AltL", Path::AccessKey, "cmdClear", 'l', "TX1", 1, kDefaults, ""},
        EntryCase{"MouseOnClear", Path::Mouse, "cmdClear", 0, "TX1", 1, kDefaults, ""},
        EntryCase{"PacedMouseOnClear", Path::PacedMouse, "cmdClear", 0, "TX1", 1, kDefaults, ""},
        EntryCase{"PacedMouseOnAdd", Path::PacedMouse, "cmdAddFileType", 0, "TX1", 1, kDefaults},
        EntryCase{"OtherPagesTab", Path::OtherTab, "cmdAddFileType", 0, "TX1", 1, kDefaults},
        EntryCase{"ArrowOnTheTabStrip", Path::TabArrow, "cmdAddFileType", 0, "TX1", 1, kDefaults},
        EntryCase{"AltM", Path::AccessKey, "cmdMerge", 'm', "TX1", 1, kDefaults},
        // A valid entry lets every path click.
        EntryCase{"ValidByMouse", Path::Mouse, "cmdAddFileType", 0, "DOC", 0, kWithDoc},
        EntryCase{"ValidByAltA", Path::AccessKey, "cmdAddFileType", 'a', "DOC", 0, kWithDoc},
        EntryCase{"ValidByAltD", Path::AccessKey, "cmdDelete", 'd', "DOC", 0, {"SQL", "DAT"}}),
    [](const testing::TestParamInfo<EntryCase>& param) { return param.param.name; });

}  // namespace
}  // namespace kelvane::win32

// The real main window built by the Win32 toolkit, with the system's message boxes, worked by
// posted input.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "boxdriver.h"
#include "mainwindowhand.h"
#include "pages/main/frmmain.h"
#include "widgets/win32/control.h"
#include "widgets/win32/messageloop.h"
#include "widgets/win32/plaincontrols.h"
#include "widgets/win32/win32toolkit.h"
#include "widgets/win32/win32window.h"

namespace kelvane::win32 {
namespace {

using kelvane::test::MainWindowHand;
using kelvane::test::MainWindowHandMaker;
using kelvane::test::MainWindowOnScreen;
using test::BoxDriver;

// The centre of a tab of the tab strip, in its client coordinates.
LPARAM TabCentre(HWND strip, int tab) {
    RECT rect{};
    SendMessageA(strip, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&rect));
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// The Win32 hand on the real main window, with the system's message boxes, answered with OK.
class Win32Hand : public MainWindowHand {
  public:
    Win32Hand() { form_.Show(); }

    frmMain& Main() override { return main_; }
    void Deactivate() override {
        // Owned by the main window, and gone with it.
        SetActiveWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                        form_.Hwnd(), nullptr, nullptr, nullptr));
        EXPECT_NE(GetActiveWindow(), form_.Hwnd());
    }
    void Mouse(bool down, const std::string& control, int tab) override {
        HWND target = form_.Find(control)->Hwnd();
        const LPARAM at = tab < 0 ? MAKELPARAM(5, 5) : TabCentre(target, tab);
        PostMessageA(target, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, down ? MK_LBUTTON : 0, at);
    }
    void Press(const std::string& control, Key key) override {
        HWND target = control.empty() ? GetFocus() : form_.Find(control)->Hwnd();
        const WPARAM keys[] = {VK_TAB, VK_SPACE, VK_RETURN, VK_LEFT, VK_ESCAPE};
        PostMessageA(target, WM_KEYDOWN, keys[key], 1);
        PostMessageA(target, WM_KEYUP, keys[key], 0xC0000001);
    }
    void Alt(char letter) override {
        PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(letter), 1 << 29);
    }
    int Settle(int boxes) override {
        BoxDriver driver;
        for (int i = 0; i < boxes; ++i) {
            driver.Expect(BoxDriver::Press(IDOK));
        }
        test::PumpUntil([&] { return driver.Done(); });
        return static_cast<int>(driver.seen.size());
    }
    std::string Focused() override {
        const Control* focused = form_.ControlOf(GetFocus());
        return focused == nullptr ? "" : focused->Name();
    }
    int Page() override { return tabs_->CurrentPage(); }
    void Focus(const std::string& control) override { SetFocus(form_.Find(control)->Hwnd()); }
    void CloseBox() override { PostMessageA(form_.Hwnd(), WM_CLOSE, 0, 0); }
    bool Shown() override { return IsWindowVisible(form_.Hwnd()) != FALSE; }

  private:
    Win32Toolkit toolkit_{96};
    frmMain main_{toolkit_};
    Win32Window& form_ = dynamic_cast<Win32Window&>(main_.window());
    TabControl* tabs_ = dynamic_cast<TabControl*>(form_.Find("SSTab1"));
};

INSTANTIATE_TEST_SUITE_P(Win32, MainWindowOnScreen,
                         testing::Values(MainWindowHandMaker{
                             "Win32", [] { return std::make_unique<Win32Hand>(); }}),
                         kelvane::test::MakerName<MainWindowHandMaker>);

}  // namespace
}  // namespace kelvane::win32

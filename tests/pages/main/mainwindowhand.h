#pragma once

// The real main window on screen with its toolkit's own message boxes, worked by a user's hand:
// the suite written once and run on each toolkit, natively on Qt (tst_frmmain), under wine on
// Win32 (tst_win32window). A toolkit's test program compiles entrycheck.cpp and
// mainwindowkeys.cpp and instantiates
//
//   INSTANTIATE_TEST_SUITE_P(Qt, MainWindowOnScreen,
//                            testing::Values(MainWindowHandMaker{"Qt", ...}),
//                            test::ParamName<MainWindowHandMaker>);

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "listcontract.h"
#include "pages/main/frmmain.h"

namespace kelvane::test {

// The real main window on screen, built by one toolkit, and a user's hand on it. Input goes
// to the window as the toolkit delivers it; Settle runs what it brought.
class MainWindowHand {
  public:
    enum Key { kTab, kSpace, kEnter, kLeft, kEscape };

    virtual ~MainWindowHand() = default;
    virtual frmMain& Main() = 0;
    // Another window takes the activation, and the main window stays on screen.
    virtual void Deactivate() = 0;
    // The left mouse button goes down or up over a control, or over a tab of the tab strip.
    virtual void Mouse(bool down, const std::string& control, int tab = -1) = 0;
    // A key pressed on a control, or on the one with the focus ("").
    virtual void Press(const std::string& control, Key key) = 0;
    // Alt and a letter, on the control with the focus.
    virtual void Alt(char letter) = 0;
    // Runs what the input brought, until `boxes` message boxes came and were answered (or it
    // gives up); returns the number of boxes that came since the last call.
    virtual int Settle(int boxes) = 0;
    // The control with the focus once the window is active again, as the window system makes
    // it after a box; and the page in front.
    virtual std::string Focused() = 0;
    virtual int Page() = 0;
    // The focus put on a control, as the window system puts it.
    virtual void Focus(const std::string& control) = 0;
    // The close box of the title bar clicked, and whether the window is still on screen.
    virtual void CloseBox() = 0;
    virtual bool Shown() = 0;
};

using MainWindowHandMaker = Maker<std::unique_ptr<MainWindowHand>()>;

class MainWindowOnScreen : public testing::TestWithParam<MainWindowHandMaker> {};

}  // namespace kelvane::test

// The two windows as the Win32 toolkit builds them: every control at its place, the names screen
// readers say, the About box's keys and close box, and a text box's text of any script; and the
// Win32 hand that runs the main window's own suite on the real window with the system's message
// boxes, by posted input.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/widetext.h"
#include "boxdriver.h"
#include "mainwindowhand.h"
#include "pages/about/frmaboutdesign.h"
#include "pages/main/frmmain.h"
#include "pages/main/frmmaindesign.h"
#include "widgets/textcolor.h"
#include "widgets/widgeterror.h"
#include "widgets/win32/control.h"
#include "widgets/win32/messageloop.h"
#include "widgets/win32/plaincontrols.h"
#include "widgets/win32/win32toolkit.h"
#include "widgets/win32/win32window.h"

namespace kelvane::win32 {
namespace {

// A window built at 96 dpi, with the names of the buttons clicked, in order.
class Built {
  public:
    explicit Built(const FormDesign& design)
        : window_(toolkit_.Build(design)), form_(dynamic_cast<Win32Window&>(*window_)) {
        for (const ControlDesign& control : design.controls) {
            if (control.kind == ControlKind::Button) {
                form_.On(control.name, Event::Click,
                         [this, name = control.name](const MouseEvent&) {
                             clicks += (clicks.empty() ? "" : " ") + name;
                         });
            }
        }
        form_.OnUnload([this] { ++unloads; });
    }

    Win32Window& form() { return form_; }
    HWND Hwnd(const std::string& name) { return form_.Find(name)->Hwnd(); }
    std::string Focused() {
        const Control* control = form_.ControlOf(GetFocus());
        return control == nullptr ? "" : control->Name();
    }
    // Shows the window at a page of its tab control, if it has one.
    void ShowPage(int page) {
        form_.Show();
        if (auto* tabs = dynamic_cast<TabControl*>(form_.Find("SSTab1"))) {
            tabs->SetCurrentPage(page);
        }
    }
    void Key(UINT message, WPARAM key) {
        HWND target = message == WM_CLOSE ? form_.Hwnd() : GetFocus();
        PostMessageA(target, message, key, message == WM_SYSCHAR ? 1 << 29 : 1);
        PumpPending();
    }

    std::string clicks;
    int unloads = 0;

  private:
    Win32Toolkit toolkit_{96};
    std::unique_ptr<Window> window_;
    Win32Window& form_;
};

// Where a control's window really is, in pixels from the top-left corner of the client area.
PixelRect PlaceInClient(Win32Window& form, const std::string& name) {
    RECT rect{};
    GetWindowRect(form.Find(name)->Hwnd(), &rect);
    MapWindowPoints(nullptr, form.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// At 96 dpi, the DPI the window is built at, and after a move to a monitor of another scale,
// which Windows announces with WM_DPICHANGED and a suggested frame.
TEST(WindowGeometryTest, PutsEveryControlAtItsDescribedPixelsInItsFontAtItsDpi) {
    for (const auto& [form, dpi] : {std::pair{&frmMainDesign(), 96},
                                    {&frmAboutDesign(), 96},
                                    {&frmMainDesign(), 144},
                                    {&frmAboutDesign(), 144},
                                    {&frmAboutDesign(), 120}}) {
        const FormDesign& design = *form;
        SCOPED_TRACE(design.name + " at " + std::to_string(dpi));
        Built built(design);
        HWND hwnd = built.form().Hwnd();
        RECT suggested{};
        GetWindowRect(hwnd, &suggested);
        if (dpi != 96) {
            // Windows' frame: the old one scaled, moved a little as onto the other monitor.
            suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, dpi, 96);
            suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, dpi, 96);
            OffsetRect(&suggested, 40, 20);
            SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        }
        RECT frame{};
        GetWindowRect(hwnd, &frame);
        EXPECT_EQ(frame.left, suggested.left);
        EXPECT_EQ(frame.top, suggested.top);
        RECT client{};
        GetClientRect(hwnd, &client);
        EXPECT_EQ(client.right, TwipsToPixels(design.width, dpi));
        EXPECT_EQ(client.bottom, TwipsToPixels(design.height, dpi));
        for (const ControlDesign& control : design.controls) {
            SCOPED_TRACE(control.name);
            PixelRect expected = design.ClientPlace(control, dpi);
            if (control.kind == ControlKind::Line) {
                expected.height = std::max(1, MulDiv(control.lineWidth, dpi, 96));
            }
            EXPECT_EQ(PlaceInClient(built.form(), control.name), expected);
            const auto font =
                reinterpret_cast<HFONT>(SendMessageW(built.Hwnd(control.name), WM_GETFONT, 0, 0));
            LOGFONTW made{};
            ASSERT_NE(GetObjectW(font, sizeof(made), &made), 0);
            const FontDesign& described = control.font.face.empty() ? design.font : control.font;
            EXPECT_EQ(made.lfHeight, -PointsToPixels(described.points, dpi));
        }
        if (design.screenPlace && dpi == 96) {
            POINT corner{0, 0};
            ClientToScreen(hwnd, &corner);
            EXPECT_EQ(corner.x, TwipsToPixels(design.screenPlace->x, 96));
            EXPECT_EQ(corner.y, TwipsToPixels(design.screenPlace->y, 96));
        }
    }
}

// A window the system refuses to make, here for an owner that is no window.
TEST(WindowTest, ABuildThatCanNotBeMadeFailsWithWidgetError) {
    EXPECT_THROW(Win32Window(frmAboutDesign(), reinterpret_cast<HWND>(0x4321), 96), WidgetError);
}

// A label's text colour is the one TextColor gives for the system's colours, in the ordinary
// scheme and in white on black, also when they change with the window open. The colour is the
// window's answer to WM_CTLCOLORSTATIC, as the label draws it.
TEST(WindowTest, LabelsKeepTheirDescribedColoursOnlyWhereTheyRead) {
    const int elements[] = {COLOR_BTNFACE, COLOR_WINDOWTEXT};
    const COLORREF ordinary[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT)};
    const COLORREF dark[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    for (const FormDesign* design : {&frmMainDesign(), &frmAboutDesign()}) {
        Built built(*design);
        for (const COLORREF* scheme : {ordinary, dark, ordinary}) {
            ASSERT_TRUE(SetSysColors(2, elements, scheme));
            const Rgb background = ToRgb(GetSysColor(COLOR_BTNFACE));
            const Rgb text = ToRgb(GetSysColor(COLOR_WINDOWTEXT));
            ASSERT_EQ(background, ToRgb(scheme[0]));
            for (const ControlDesign& control : design->controls) {
                if (control.kind != ControlKind::Label) {
                    continue;
                }
                SCOPED_TRACE(control.name + (scheme == dark ? " on black" : " ordinary"));
                HDC dc = CreateCompatibleDC(nullptr);
                SendMessageW(built.form().Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(built.Hwnd(control.name)));
                const Rgb drawn = ToRgb(GetTextColor(dc));
                DeleteDC(dc);
                EXPECT_EQ(drawn, TextColor(control.color, background, text));
            }
        }
    }
    SetSysColors(2, elements, ordinary);
}

// The pages a user sees: the About box, and each page of the main window's tab control.
std::vector<std::pair<const FormDesign*, int>> ShownPages() {
    return {{&frmAboutDesign(), 0}, {&frmMainDesign(), 0}, {&frmMainDesign(), 1}};
}

// The name the system's accessibility proxies give a control that shows no caption of its own:
// the text of the static control above it in the z-order, looking upwards past hidden windows and
// windows that take no focus, up to one that does.
std::string LabelAbove(HWND control) {
    for (HWND above = GetWindow(control, GW_HWNDPREV); above != nullptr;
         above = GetWindow(above, GW_HWNDPREV)) {
        if ((SendMessageW(above, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) != 0) {
            return WindowText(above);
        }
        const LONG style = GetWindowLongW(above, GWL_STYLE);
        if ((style & WS_VISIBLE) != 0 && (style & (WS_TABSTOP | WS_GROUP)) != 0) {
            break;
        }
    }
    return {};
}

// Buttons, and the picture box (a button to the system), are named by their window texts.
TEST(AccessibleNameTest, EachControlWithoutACaptionIsNamedAsDescribedAndNothingShownChanges) {
    for (const auto& [form, page] : ShownPages()) {
        const FormDesign& design = *form;
        Built built(design);
        built.ShowPage(page);
        std::vector<std::string> captions{""};  // lines show none
        for (const ControlDesign& control : design.controls) {
            if (control.kind == ControlKind::Label) {
                captions.push_back(control.Caption());
            }
        }
        for (const ControlDesign& control : design.controls) {
            const std::string name = design.AccessibleName(control);
            if (name.empty()) {
                continue;
            }
            SCOPED_TRACE(control.name + " on page " + std::to_string(page));
            HWND hwnd = built.Hwnd(control.name);
            const bool button =
                control.kind == ControlKind::Button || control.kind == ControlKind::PictureBox;
            EXPECT_EQ(button ? WindowText(hwnd) : LabelAbove(hwnd), name);
        }
        // The statics a sighted user sees say what the described labels say, no more.
        for (HWND child = GetWindow(built.form().Hwnd(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t kind[16] = {};
            GetClassNameW(child, kind, 16);
            if (lstrcmpiW(kind, L"Static") == 0 && IsWindowVisible(child)) {
                EXPECT_NE(std::find(captions.begin(), captions.end(), WindowText(child)),
                          captions.end())
                    << WindowText(child);
            }
        }
    }
}

// The About box's keys: Tab goes from "OK" to the icon; Enter clicks the focused button, else the
// default one; Esc and the close box click the Cancel button; an access letter clicks its button.
TEST(KeyRoutingTest, SendsTheKeyToTheRightControl) {
    const struct {
        const char* focus;  // where the focus is when the key comes
        UINT message;       // WM_CLOSE for the close box
        WPARAM key;
        const char* clicked;  // the buttons clicked, if any
        const char* focused;  // where the focus is afterwards
    } cases[] = {
        {"cmdOK", WM_KEYDOWN, VK_TAB, "", "picIcon"},
        {"picIcon", WM_KEYDOWN, VK_RETURN, "cmdOK", "picIcon"},
        {"cmdSysInfo", WM_KEYDOWN, VK_RETURN, "cmdSysInfo", "cmdSysInfo"},
        {"cmdSysInfo", WM_KEYDOWN, VK_ESCAPE, "cmdOK", "cmdSysInfo"},
        {"cmdOK", WM_SYSCHAR, 's', "cmdSysInfo", "cmdSysInfo"},
        {"picIcon", WM_CLOSE, 0, "cmdOK", "picIcon"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.focus) + " message " + std::to_string(c.message) + " key " +
                     std::to_string(c.key));
        Built built(frmAboutDesign());
        built.form().Show();
        SetFocus(built.Hwnd(c.focus));
        ASSERT_EQ(built.Focused(), c.focus);
        built.Key(c.message, c.key);
        EXPECT_EQ(built.clicks, c.clicked);
        EXPECT_EQ(built.Focused(), c.focused);
        EXPECT_EQ(built.unloads, 0);
    }
}

// Text set or typed in any script comes back exactly; bytes that aren't UTF-8 (a name NTFS allows
// but UTF-8 can't spell) show as U+FFFD and come back as set, never as the name of another file.
// The selection reaches the box in UTF-16 units.
TEST(TextBoxTest, GivesBackWhatWasTypedOrSetExactly) {
    Built built(frmMainDesign());
    built.form().Show();
    TextBox& box = built.form().TextBoxNamed("txtTartgetPath");
    HWND hwnd = built.Hwnd("txtTartgetPath");
    const struct {
        std::wstring typed;  // character by character, after the program set `set`
        std::string set;
        std::string text;    // Text() afterwards
        std::wstring shown;  // what the box shows
    } cases[] = {
        {L"C:\\Ωmega 日本 ő\\😀 中文.txt", "", "C:\\Ωmega 日本 ő\\😀 中文.txt",
         L"C:\\Ωmega 日本 ő\\😀 中文.txt"},
        {L"", "D:\\結果 ő.txt", "D:\\結果 ő.txt", L"D:\\結果 ő.txt"},
        {L"", "caf\xE9 \xED\xA0\x80.txt", "caf\xE9 \xED\xA0\x80.txt",
         L"caf\uFFFD \uFFFD\uFFFD\uFFFD.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        box.SetText(c.set);
        box.SetFocus();
        for (const wchar_t unit : c.typed) {
            PostMessageW(hwnd, WM_CHAR, unit, 1);
        }
        PumpPending();
        EXPECT_EQ(box.Text(), c.text);
        wchar_t shown[256] = {};
        GetWindowTextW(hwnd, shown, 256);
        EXPECT_EQ(shown, c.shown);
        // The extension selected.
        const auto dot = static_cast<int>(c.text.rfind('.'));
        const auto units = static_cast<int>(c.shown.size());
        box.SetSelStart(dot);
        box.SetSelLength(4);
        EXPECT_EQ(SendMessageW(hwnd, EM_GETSEL, 0, 0), MAKELRESULT(units - 4, units));
        EXPECT_EQ(box.SelStart(), dot);
        EXPECT_EQ(box.SelLength(), 4);
    }
}

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
                         kelvane::test::ParamName<MainWindowHandMaker>);

}  // namespace
}  // namespace kelvane::win32

// The two windows as the Win32 toolkit builds them: every control at its place, the Tab order,
// the names screen readers say, Enter, Esc, access keys and the close box.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "boxdriver.h"
#include "pages/about/frmaboutdesign.h"
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

using test::PumpUntil;

// A window built at 96 dpi, shown, with every click counted by control name.
class Built {
  public:
    explicit Built(const FormDesign& design)
        : window_(toolkit_.Build(design)), form_(dynamic_cast<Win32Window&>(*window_)) {
        for (const ControlDesign& control : design.controls) {
            if (control.kind == ControlKind::Button) {
                form_.On(control.name, Event::Click,
                         [this, name = control.name](const MouseEvent&) { ++clicks[name]; });
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
    void Key(UINT message, WPARAM key) {
        PostMessageA(GetFocus(), message, key, message == WM_SYSCHAR ? 1 << 29 : 1);
        PumpPending();
    }

    std::map<std::string, int> clicks;
    int unloads = 0;

  private:
    Win32Toolkit toolkit_{96};
    std::unique_ptr<Window> window_;
    Win32Window& form_;
};

// Where a control's window really is, in pixels from the top-left corner of its container
// (the client area, the tab control, or the frame).
PixelRect PlaceInContainer(Win32Window& form, const ControlDesign& control) {
    auto rectIn = [&form](HWND hwnd) {
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        MapWindowPoints(nullptr, form.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const RECT own = rectIn(form.Find(control.name)->Hwnd());
    RECT outer{};
    if (!control.container.empty()) {
        outer = rectIn(form.Find(control.container)->Hwnd());
    }
    return {own.left - outer.left, own.top - outer.top, own.right - own.left, own.bottom - own.top};
}

struct GeometryCase {
    const FormDesign* design;
    // 96, the DPI the window is built at; another for a move to a monitor of that scale, which
    // Windows announces with WM_DPICHANGED and a suggested frame.
    int dpi;
};

class WindowGeometryTest : public testing::TestWithParam<GeometryCase> {};

TEST_P(WindowGeometryTest, PutsEveryControlAtItsDescribedPixelsInItsFontAtItsDpi) {
    const FormDesign& design = *GetParam().design;
    const int dpi = GetParam().dpi;
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
        PixelRect expected = TwipsToPixels(control.place, dpi);
        if (control.kind == ControlKind::Line) {
            expected.height = std::max(1, MulDiv(control.lineWidth, dpi, 96));
        }
        EXPECT_EQ(PlaceInContainer(built.form(), control), expected);
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

INSTANTIATE_TEST_SUITE_P(BothWindows, WindowGeometryTest,
                         testing::Values(GeometryCase{&frmMainDesign(), 96},
                                         GeometryCase{&frmAboutDesign(), 96},
                                         GeometryCase{&frmMainDesign(), 144},
                                         GeometryCase{&frmAboutDesign(), 144},
                                         GeometryCase{&frmAboutDesign(), 120}),
                         [](const testing::TestParamInfo<GeometryCase>& row) {
                             return row.param.design->name + "At" + std::to_string(row.param.dpi);
                         });

// A window the system refuses to make, here for an owner that is no window.
TEST(WindowTest, ABuildThatCanNotBeMadeFailsWithWidgetError) {
    EXPECT_THROW(Win32Window(frmAboutDesign(), reinterpret_cast<HWND>(0x4321), 96), WidgetError);
    EXPECT_NO_THROW(Win32Window(frmAboutDesign(), nullptr, 96));
}

TEST(WindowTest, HasAFixedBorderWithACloseBoxAndNoTaskbarButton) {
    Built built(frmMainDesign());
    const LONG style = GetWindowLongA(built.form().Hwnd(), GWL_STYLE);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(GetWindow(built.form().Hwnd(), GW_OWNER), nullptr);  // owned: no taskbar button
    EXPECT_EQ(GetWindowLongA(built.form().Hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
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

// Tab visits the controls of the description's Tab order that the page shown shows, round to the
// first again.
TEST(TabOrderTest, TabVisitsTheShownControlsInTheDescribedOrder) {
    for (const int page : {0, 1}) {
        Built built(frmMainDesign());
        built.form().Show();
        dynamic_cast<TabControl*>(built.form().Find("SSTab1"))->SetCurrentPage(page);
        std::vector<std::string> order;
        for (const ControlDesign* control : frmMainDesign().TabOrder()) {
            if (IsWindowVisible(built.Hwnd(control->name))) {
                order.push_back(control->name);
            }
        }
        SetFocus(built.Hwnd(order.front()));
        std::vector<std::string> visited{built.Focused()};
        for (std::size_t i = 0; i < order.size(); ++i) {
            built.Key(WM_KEYDOWN, VK_TAB);
            visited.push_back(built.Focused());
        }
        order.push_back(order.front());
        EXPECT_EQ(visited, order) << "page " << page;
    }
}

TEST(TabOrderTest, StartsOnTheFirstControlOfTheTabOrder) {
    for (const FormDesign* design : {&frmMainDesign(), &frmAboutDesign()}) {
        Built built(*design);
        built.form().Show();
        EXPECT_EQ(built.Focused(), design->TabOrder().front()->name);
    }
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
    for (const FormDesign* form : {&frmMainDesign(), &frmAboutDesign()}) {
        const FormDesign& design = *form;
        Built built(design);
        built.form().Show();
        std::vector<std::string> captions{""};  // lines show none
        for (const ControlDesign& control : design.controls) {
            if (control.kind == ControlKind::Label) {
                captions.push_back(control.Caption());
            }
        }
        auto* tabs = dynamic_cast<TabControl*>(built.form().Find("SSTab1"));
        for (const int page : {0, 1}) {
            if (tabs != nullptr) {
                tabs->SetCurrentPage(page);
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
}

struct KeyCase {
    const char* name;
    const FormDesign* design;
    const char* focus;  // where the focus is when the key comes
    UINT message;
    WPARAM key;
    std::map<std::string, int> clicks;
};

class KeyRoutingTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyRoutingTest, SendsTheKeyToTheRightButton) {
    Built built(*GetParam().design);
    built.form().Show();
    SetFocus(built.Hwnd(GetParam().focus));
    ASSERT_EQ(built.Focused(), GetParam().focus);
    built.Key(GetParam().message, GetParam().key);
    EXPECT_EQ(built.clicks, GetParam().clicks);
    EXPECT_EQ(built.unloads, 0);
}

const FormDesign* kMain = &frmMainDesign();
const FormDesign* kAbout = &frmAboutDesign();

INSTANTIATE_TEST_SUITE_P(
    EnterEscAndAccessKeys, KeyRoutingTest,
    testing::Values(
        KeyCase{"AboutEnterOnPicture", kAbout, "picIcon", WM_KEYDOWN, VK_RETURN, {{"cmdOK", 1}}},
        KeyCase{"AboutEnterOnSysInfo",
                kAbout,
                "cmdSysInfo",
                WM_KEYDOWN,
                VK_RETURN,
                {{"cmdSysInfo", 1}}},
        KeyCase{"AboutEscOnSysInfo", kAbout, "cmdSysInfo", WM_KEYDOWN, VK_ESCAPE, {{"cmdOK", 1}}},
        KeyCase{"AboutAccessKey", kAbout, "cmdOK", WM_SYSCHAR, 's', {{"cmdSysInfo", 1}}},
        KeyCase{"MainEnterOnClose", kMain, "cmdClose", WM_KEYDOWN, VK_RETURN, {{"cmdClose", 1}}},
        KeyCase{"MainEnterOnAList", kMain, "lstFileSelect", WM_KEYDOWN, VK_RETURN, {}},
        KeyCase{"MainEscDoesNothing", kMain, "txtTartgetPath", WM_KEYDOWN, VK_ESCAPE, {}},
        KeyCase{"MainAltM", kMain, "txtTartgetPath", WM_SYSCHAR, 'm', {{"cmdMerge", 1}}},
        // The Options page isn't shown: its buttons' letters do nothing.
        KeyCase{"MainHiddenButton", kMain, "txtTartgetPath", WM_SYSCHAR, 'a', {}}),
    [](const testing::TestParamInfo<KeyCase>& param) { return param.param.name; });

TEST(CloseBoxTest, ClicksTheCancelButtonOrElseUnloads) {
    Built about(frmAboutDesign());
    Built main(frmMainDesign());
    PostMessageA(about.form().Hwnd(), WM_CLOSE, 0, 0);
    PostMessageA(main.form().Hwnd(), WM_CLOSE, 0, 0);
    PumpUntil([&] { return main.unloads == 1; });
    EXPECT_EQ(about.clicks, (std::map<std::string, int>{{"cmdOK", 1}}));
    EXPECT_EQ(about.unloads, 0);
    EXPECT_EQ(main.unloads, 1);
}

}  // namespace
}  // namespace kelvane::win32

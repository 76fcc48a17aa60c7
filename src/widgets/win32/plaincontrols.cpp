#include "plaincontrols.h"

#include <uxtheme.h>

#include <algorithm>

#include "base/widetext.h"
#include "pictures.h"
#include "win32window.h"

namespace kelvane::win32 {

bool Label::Make(HWND form, int id) {
    const DWORD wrap = Design().wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
    return Create(L"STATIC", wrap | SS_NOPREFIX, 0, Design().Caption(), form, id);
}

bool FrameControl::Make(HWND form, int id) {
    return Create(L"BUTTON", BS_GROUPBOX, 0, Design().Caption(), form, id);
}

bool LineControl::Make(HWND form, int id) {
    return Create(L"STATIC", SS_OWNERDRAW, WS_EX_TRANSPARENT, "", form, id);
}

void LineControl::Place(const PixelRect& place, int dpi) {
    // The line's own rectangle is as thick as the line.
    PixelRect line = place;
    const int thickness = std::max(1, MulDiv(Design().lineWidth, dpi, 96));
    line.height = line.height == 0 ? thickness : line.height;
    line.width = line.width == 0 ? thickness : line.width;
    Control::Place(line, dpi);
}

bool LineControl::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const Rgb color = Design().color.value_or(Rgb{});
    HBRUSH brush = CreateSolidBrush(RGB(color.red, color.green, color.blue));
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
    return true;
}

bool PictureBox::Make(HWND form, int id) {
    const DWORD focus = TakesFocus(Design()) ? WS_TABSTOP : 0;
    // Drawn by us, it shows no text: its window text is the name screen readers say for it.
    return Create(L"BUTTON", BS_OWNERDRAW | focus, 0, Window().Design().AccessibleName(Design()),
                  form, id);
}

void PictureBox::Place(const PixelRect& place, int dpi) {
    side_ = MulDiv(32, dpi, 96);
    Control::Place(place, dpi);
}

bool PictureBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const RECT& box = item.rcItem;
    const int left = box.left + (box.right - box.left - side_) / 2;
    const int top = box.top + (box.bottom - box.top - side_) / 2;
    if (HICON icon = PictureIcon(Design().picture, side_)) {
        DrawIconEx(item.hDC, left, top, icon, side_, side_, 0, nullptr, DI_NORMAL);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
    return true;
}

bool TabControl::Make(HWND form, int id) {
    if (!Create(WC_TABCONTROLW, WS_TABSTOP | TCS_FOCUSONBUTTONDOWN, 0, "", form, id)) {
        return false;
    }
    // Drawn plain, so that its pages have the window's colour, as the labels on them do.
    SetWindowTheme(Hwnd(), L" ", L" ");
    int page = 0;
    for (const std::string& caption : Design().captions) {
        std::wstring text = ToWideShown(caption);
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = text.data();
        SendMessageW(Hwnd(), TCM_INSERTITEMW, static_cast<WPARAM>(page++),
                     reinterpret_cast<LPARAM>(&tab));
    }
    SendMessageW(Hwnd(), TCM_SETCURSEL, 0, 0);
    return true;
}

void TabControl::Place(const PixelRect& place, int dpi) {
    // The tab strip as high as described; the tabs as wide as their captions.
    const int strip = TwipsToPixels(Design().stripHeight, dpi);
    SendMessageW(Hwnd(), TCM_SETITEMSIZE, 0, MAKELPARAM(0, strip));
    Control::Place(place, dpi);
}

LRESULT TabControl::OnNotify(const NMHDR& header) {
    if (header.code == TCN_SELCHANGE) {
        Window().ShowPage(Name(), CurrentPage());
    }
    return 0;
}

int TabControl::CurrentPage() const {
    return static_cast<int>(SendMessageW(Hwnd(), TCM_GETCURSEL, 0, 0));
}

void TabControl::SetCurrentPage(int page) {
    SendMessageW(Hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    Window().ShowPage(Name(), page);
}

}  // namespace kelvane::win32

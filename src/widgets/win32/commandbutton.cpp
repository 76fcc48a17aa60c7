#include "commandbutton.h"

#include <algorithm>

#include "pictures.h"
#include "win32window.h"

namespace kelvane::win32 {

CommandButton::~CommandButton() = default;

bool CommandButton::Make(HWND form, int id) {
    DWORD style = WS_TABSTOP;
    style |= Design().name == Window().Design().defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (Design().picture != Picture::None) {
        style |= BS_ICON;
    }
    // A picture button shows no text: its window text is the name screen readers say for it.
    const std::string text = Design().picture != Picture::None
                                 ? Window().Design().AccessibleName(Design())
                                 : Design().Caption();
    return Create(L"BUTTON", style, 0, text, form, id);
}

void CommandButton::Place(const PixelRect& place, int dpi) {
    Control::Place(place, dpi);
    if (Design().picture != Picture::None) {
        // The picture fills the button but for a narrow margin.
        const int side = std::max(8, std::min(place.width, place.height) - MulDiv(6, dpi, 96));
        SendMessageW(Hwnd(), BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(PictureIcon(Design().picture, side)));
    }
}

LRESULT CommandButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) && GetFocus() != Hwnd()) {
        // The press moves the focus here; the focus loss it raises in the control left behind
        // runs now, before the button goes down.
        ::SetFocus(Hwnd());
        if (Window().FlushLostFocus() && GetFocus() != Hwnd()) {
            if (Design().clicksWhenFocusTakenBack) {
                Raise(Event::Click);
            }
            return 0;  // the handler took the focus back: the press is spent
        }
    }
    return Control::OnMessage(message, wParam, lParam);
}

}  // namespace kelvane::win32

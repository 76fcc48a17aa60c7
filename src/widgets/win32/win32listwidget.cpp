#include "win32listwidget.h"

namespace kelvane::win32 {

bool Win32ListWidget::OnCheckBox(int x, int y) const {
    return ListStyle() == Style::CheckBox && RowAt(y) >= 0 &&
           x < Scaled(2) + MarkSide() + Scaled(2);
}

LRESULT Win32ListWidget::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const int x = GET_X_LPARAM(lParam);
            const int y = GET_Y_LPARAM(lParam);
            if (message == WM_LBUTTONDOWN && OnCheckBox(x, y)) {
                ToggleMark(RowAt(y));
            }
            const LRESULT result = OwnerDrawnList::OnMessage(message, wParam, lParam);
            Raise(Event::MouseDown, ToMouseEvent(message, wParam, lParam));
            return result;
        }
        case WM_LBUTTONDBLCLK:
            if (OnCheckBox(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
                ToggleMark(RowAt(GET_Y_LPARAM(lParam)));
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const LRESULT result = OwnerDrawnList::OnMessage(message, wParam, lParam);
            Raise(Event::MouseUp, ToMouseEvent(message, wParam, lParam));
            return result;
        }
        case WM_CHAR:
            if (ListStyle() == Style::CheckBox && wParam == ' ' && CurrentRow() >= 0) {
                ToggleMark(CurrentRow());
                return 0;
            }
            break;
        default:
            break;
    }
    return OwnerDrawnList::OnMessage(message, wParam, lParam);
}

}  // namespace kelvane::win32

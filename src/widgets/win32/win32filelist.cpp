#include "win32filelist.h"

#include <algorithm>

#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"

namespace kelvane::win32 {

Win32FileList::Win32FileList(Win32Window& window, const ControlDesign& design)
    : OwnerDrawnList(window, design, LBS_EXTENDEDSEL) {}

void Win32FileList::SetPath(const std::string& path) {
    FolderContents contents = ReadFolder(path);  // raises WidgetError, leaving the list as it was
    std::vector<std::string>& names = contents.files;
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
    ResetRows(std::move(names));
    path_ = path;
}

void Win32FileList::Check(int index) const {
    if (index < 0 || index >= Count()) {
        throw WidgetError("file list index " + std::to_string(index) + " out of range");
    }
}

std::string Win32FileList::List(int index) const {
    Check(index);
    return Text(index);
}

bool Win32FileList::Selected(int index) const {
    Check(index);
    return SendMessageA(Hwnd(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void Win32FileList::SetSelected(int index, bool selected) {
    Check(index);
    SendMessageA(Hwnd(), LB_SETSEL, selected ? TRUE : FALSE, index);
}

LRESULT Win32FileList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ |= MouseEvent::LeftButton;  // the list box holds the mouse itself
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: {
            // Held here so that the release comes here wherever the pointer goes; the list box
            // itself is not told, so the selection stays.
            pressed_ |= ToMouseEvent(message, wParam, lParam).button;
            SetCapture(Hwnd());
            return 0;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const MouseEvent event = ToMouseEvent(message, wParam, lParam);
            const bool wasDown = (pressed_ & event.button) != 0;
            pressed_ &= ~event.button;
            LRESULT result = 0;
            if (message == WM_LBUTTONUP) {
                result = OwnerDrawnList::OnMessage(message, wParam, lParam);
            } else if (pressed_ == 0 && GetCapture() == Hwnd()) {
                ReleaseCapture();
            }
            if (wasDown) {
                Raise(Event::MouseUp, event);
            }
            return result;
        }
        default:
            break;
    }
    return OwnerDrawnList::OnMessage(message, wParam, lParam);
}

}  // namespace kelvane::win32

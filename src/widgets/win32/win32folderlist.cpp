#include "win32folderlist.h"

#include <algorithm>
#include <string>
#include <vector>

#include "pictures.h"
#include "win32window.h"

namespace kelvane::win32 {

Win32FolderList::Win32FolderList(Win32Window& window, const ControlDesign& design)
    : OwnerDrawnList(window, design, 0) {}

void Win32FolderList::ShowRows() {
    std::vector<std::string> names;
    for (int row = 0; row < RowCount(); ++row) {
        names.push_back(RowName(row));
    }
    ResetRows(std::move(names));
}

int Win32FolderList::Indent(int row) const {
    return RowDepth(row) * Scaled(8);
}

HICON Win32FolderList::RowIcon(int row) const {
    return FolderPicture(RowOpen(row));
}

int Win32FolderList::RowHeightFor(int textHeight, int dpi) const {
    return std::max(textHeight, MulDiv(16, dpi, 96)) + MulDiv(2, dpi, 96);
}

void Win32FolderList::Place(const PixelRect& place, int dpi) {
    coveredTop_ = Window().Design().CoveredTop(Design(), dpi);
    OwnerDrawnList::Place(place, dpi);
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT Win32FolderList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCALCSIZE: {
            const LRESULT result = OwnerDrawnList::OnMessage(message, wParam, lParam);
            RECT& client = *reinterpret_cast<RECT*>(lParam);  // rgrc[0] when wParam is TRUE
            client.top = std::min(client.top + coveredTop_, client.bottom);
            return result;
        }
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = OwnerDrawnList::OnMessage(message, wParam, lParam);
            OpenRow(CurrentRow());
            return result;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                OpenRow(CurrentRow());
                return 0;
            }
            break;
        default:
            break;
    }
    return OwnerDrawnList::OnMessage(message, wParam, lParam);
}

}  // namespace kelvane::win32

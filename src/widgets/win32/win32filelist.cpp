#include "win32filelist.h"

#include <algorithm>
#include <utility>

namespace kelvane::win32 {

Win32FileList::Win32FileList(Win32Window& window, const ControlDesign& design)
    : OwnerDrawnList(window, design, LBS_EXTENDEDSEL) {}

void Win32FileList::ShowNames(std::vector<std::string> names) {
    base_.clear();
    ResetRows(std::move(names));
}

std::vector<char> Win32FileList::ReadSelection() const {
    const auto count = static_cast<int>(SendMessageW(Hwnd(), LB_GETSELCOUNT, 0, 0));
    std::vector<int> rows(static_cast<std::size_t>(count > 0 ? count : 0));
    if (!rows.empty()) {
        SendMessageW(Hwnd(), LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    }
    std::vector<char> flags(static_cast<std::size_t>(Count()), 0);
    for (const int row : rows) {
        if (row >= 0 && row < Count()) {
            flags[static_cast<std::size_t>(row)] = 1;
        }
    }
    return flags;
}

void Win32FileList::WriteSelection(const std::vector<char>& flags) {
    flushing_ = true;
    Quietly([this, &flags] {
        // The user's anchor and caret stay where they are.
        const LRESULT anchor = SendMessageW(Hwnd(), LB_GETANCHORINDEX, 0, 0);
        const LRESULT caret = SendMessageW(Hwnd(), LB_GETCARETINDEX, 0, 0);
        SendMessageW(Hwnd(), LB_SETSEL, FALSE, -1);
        // As many runs as every second file: straight to the list box.
        SelectionCopy::ForEachRun(flags, [this](std::size_t first, std::size_t last) {
            Direct(LB_SELITEMRANGEEX, first, static_cast<LPARAM>(last));
        });
        if (anchor >= 0) {
            SendMessageW(Hwnd(), LB_SETANCHORINDEX, static_cast<WPARAM>(anchor), 0);
        }
        if (caret >= 0) {
            SendMessageW(Hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(caret), TRUE);
        }
    });
    flushing_ = false;
}

void Win32FileList::Forget() {
    OwnerDrawnList::Forget();
    if (flushing_) {
        return;
    }
    // Something may change the selection: our writes go first, then the copy is stale.
    FlushSelection();
    Copy().Discard();
}

void Win32FileList::TakeBase() {
    Copy().Discard();
    LoadCopy();
    base_ = Copy().Flags();
}

void Win32FileList::ShiftClick(int row) {
    SetFocus(Hwnd());
    Forget();  // our writes first
    auto anchor = static_cast<int>(SendMessageW(Hwnd(), LB_GETANCHORINDEX, 0, 0));
    if (anchor < 0 || anchor >= Count()) {
        anchor = row;
    }
    std::vector<char> flags(static_cast<std::size_t>(Count()), 0);
    if (base_.size() == flags.size()) {
        flags = base_;
    }
    std::fill(flags.begin() + std::min(anchor, row), flags.begin() + std::max(anchor, row) + 1, 1);
    Copy().Write(std::move(flags));
    FlushSelection();
    flushing_ = true;
    SendMessageW(Hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
    flushing_ = false;
    SetCapture(Hwnd());
    ownCapture_ = true;
}

LRESULT Win32FileList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kFlushMessage:
            FlushSelection();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            pressed_ |= MouseEvent::LeftButton;  // the list box holds the mouse itself
            const int row = RowAt(GET_Y_LPARAM(lParam));
            if ((wParam & MK_SHIFT) != 0 && (wParam & MK_CONTROL) == 0 && row >= 0) {
                ShiftClick(row);
                return 0;
            }
            const LRESULT result = OwnerDrawnList::OnMessage(message, wParam, lParam);
            if ((wParam & MK_SHIFT) == 0) {
                TakeBase();
            }
            return result;
        }
        case WM_KEYDOWN: {
            // The arrow keys without Shift move the anchor and pick anew, as a click does.
            const LRESULT result = OwnerDrawnList::OnMessage(message, wParam, lParam);
            if (GetKeyState(VK_SHIFT) >= 0) {
                TakeBase();
            }
            return result;
        }
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
                if (ownCapture_) {
                    ownCapture_ = false;
                    ReleaseCapture();
                }
            } else if (pressed_ == 0 && GetCapture() == Hwnd()) {
                ReleaseCapture();
            }
            if (wasDown) {
                Raise(Event::MouseUp, event);
                FlushSelection();
            }
            return result;
        }
        default:
            break;
    }
    return OwnerDrawnList::OnMessage(message, wParam, lParam);
}

}  // namespace kelvane::win32

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
    base_.clear();
    ResetRows(std::move(names));
    path_ = path;
    copy_.Take(std::vector<char>(static_cast<std::size_t>(Count()), 0));
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

void Win32FileList::TakeSnapshot() const {
    if (copy_.Taken()) {
        return;
    }
    const auto count = static_cast<int>(SendMessageA(Hwnd(), LB_GETSELCOUNT, 0, 0));
    std::vector<int> rows(static_cast<std::size_t>(count > 0 ? count : 0));
    if (!rows.empty()) {
        SendMessageA(Hwnd(), LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    }
    std::vector<char> flags(static_cast<std::size_t>(Count()), 0);
    for (const int row : rows) {
        if (row >= 0 && row < Count()) {
            flags[static_cast<std::size_t>(row)] = 1;
        }
    }
    copy_.Take(std::move(flags));
}

bool Win32FileList::Selected(int index) const {
    Check(index);
    TakeSnapshot();
    return copy_.Get(static_cast<std::size_t>(index));
}

void Win32FileList::SetSelected(int index, bool selected) {
    Check(index);
    TakeSnapshot();
    if (copy_.Set(static_cast<std::size_t>(index), selected) && !flushPosted_) {
        flushPosted_ = PostMessageA(Hwnd(), kFlushMessage, 0, 0) != FALSE;
    }
}

void Win32FileList::Flush() {
    if (!copy_.Written()) {
        return;
    }
    copy_.Handed();
    flushing_ = true;
    Quietly([this] {
        // The user's anchor and caret stay where they are.
        const LRESULT anchor = SendMessageA(Hwnd(), LB_GETANCHORINDEX, 0, 0);
        const LRESULT caret = SendMessageA(Hwnd(), LB_GETCARETINDEX, 0, 0);
        SendMessageA(Hwnd(), LB_SETSEL, FALSE, -1);
        SelectionCopy::ForEachRun(copy_.Flags(), [this](std::size_t first, std::size_t last) {
            SendMessageA(Hwnd(), LB_SELITEMRANGEEX, first, static_cast<LPARAM>(last));
        });
        if (anchor >= 0) {
            SendMessageA(Hwnd(), LB_SETANCHORINDEX, static_cast<WPARAM>(anchor), 0);
        }
        if (caret >= 0) {
            SendMessageA(Hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(caret), TRUE);
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
    Flush();
    copy_.Drop();
}

void Win32FileList::TakeBase() {
    copy_.Drop();
    TakeSnapshot();
    base_ = copy_.Flags();
}

void Win32FileList::ShiftClick(int row) {
    SetFocus(Hwnd());
    Forget();  // our writes first
    auto anchor = static_cast<int>(SendMessageA(Hwnd(), LB_GETANCHORINDEX, 0, 0));
    if (anchor < 0 || anchor >= Count()) {
        anchor = row;
    }
    std::vector<char> flags(static_cast<std::size_t>(Count()), 0);
    if (base_.size() == flags.size()) {
        flags = base_;
    }
    std::fill(flags.begin() + std::min(anchor, row), flags.begin() + std::max(anchor, row) + 1, 1);
    copy_.Write(std::move(flags));
    Flush();
    flushing_ = true;
    SendMessageA(Hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
    flushing_ = false;
    SetCapture(Hwnd());
    ownCapture_ = true;
}

LRESULT Win32FileList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kFlushMessage:
            flushPosted_ = false;
            Flush();
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
                Flush();
            }
            return result;
        }
        default:
            break;
    }
    return OwnerDrawnList::OnMessage(message, wParam, lParam);
}

}  // namespace kelvane::win32

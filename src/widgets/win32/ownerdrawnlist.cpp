#include "ownerdrawnlist.h"

#include <string_view>
#include <utility>

#include "widgets/typeahead.h"

namespace kelvane::win32 {

OwnerDrawnList::OwnerDrawnList(Win32Window& window, const ControlDesign& design, DWORD selection)
    : Control(window, design), selection_(selection) {}

bool OwnerDrawnList::Make(HWND form, int id) {
    const DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NODATA |
                        LBS_NOINTEGRALHEIGHT | selection_;
    return Create("LISTBOX", style, WS_EX_CLIENTEDGE, "", form, id);
}

int OwnerDrawnList::RowHeightFor(int textHeight, int dpi) const {
    return textHeight + MulDiv(2, dpi, 96);
}

int OwnerDrawnList::MarkSide() const {
    return MulDiv(16, dpi_, 96);
}

void OwnerDrawnList::Place(const PixelRect& place, int dpi) {
    dpi_ = dpi;
    HDC dc = GetDC(Hwnd());
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(Hwnd(), dc);
    rowHeight_ = RowHeightFor(metrics.tmHeight, dpi);
    SendMessageA(Hwnd(), LB_SETITEMHEIGHT, 0, rowHeight_);
    Control::Place(place, dpi);
}

int OwnerDrawnList::RowAt(int y) const {
    if (y < 0 || rowHeight_ <= 0) {
        return -1;
    }
    const auto top = static_cast<int>(SendMessageA(Hwnd(), LB_GETTOPINDEX, 0, 0));
    const int row = top + y / rowHeight_;
    return row < Count() ? row : -1;
}

void OwnerDrawnList::SetText(int row, std::string text) {
    texts_[static_cast<std::size_t>(row)] = std::move(text);
    InvalidateRow(row);
}

void OwnerDrawnList::Append(std::string text) {
    texts_.push_back(std::move(text));
    PostSync();
}

void OwnerDrawnList::PostSync() const {
    // So that an idle list box shows the change soon.
    if (!syncPosted_) {
        syncPosted_ = PostMessageA(Hwnd(), WM_NULL, 0, 0) != FALSE;
    }
}

void OwnerDrawnList::Sync() const {
    if (Hwnd() == nullptr) {
        return;
    }
    syncPosted_ = false;
    // Each step first records that it is done: its messages come back through OnMessage.
    if (shown_ != texts_.size()) {
        shown_ = texts_.size();
        const LRESULT current = SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0);
        SendMessageA(Hwnd(), LB_SETCOUNT, shown_, 0);
        if (current >= 0 && pendingCurrent_ == kNone) {
            SendMessageA(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(current), 0);
        }
    }
    if (pendingCurrent_ != kNone) {
        const int row = pendingCurrent_;
        pendingCurrent_ = kNone;
        SendMessageA(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        current_ = row;
    }
}

void OwnerDrawnList::Erase(int row) {
    Sync();
    texts_.erase(texts_.begin() + row);
    shown_ = texts_.size();
    SendMessageA(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
}

void OwnerDrawnList::ClearRows() {
    texts_.clear();
    shown_ = 0;
    pendingCurrent_ = kNone;
    SendMessageA(Hwnd(), LB_RESETCONTENT, 0, 0);
}

void OwnerDrawnList::ResetRows(std::vector<std::string> texts) {
    pendingCurrent_ = kNone;
    SendMessageA(Hwnd(), WM_SETREDRAW, FALSE, 0);
    texts_ = std::move(texts);
    shown_ = texts_.size();
    SendMessageA(Hwnd(), LB_RESETCONTENT, 0, 0);
    SendMessageA(Hwnd(), LB_SETCOUNT, shown_, 0);
    SendMessageA(Hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

LRESULT OwnerDrawnList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    Sync();
    switch (message) {
        // Questions, and drawing: they change nothing.
        case LB_GETCURSEL:
        case LB_GETSEL:
        case LB_GETSELCOUNT:
        case LB_GETSELITEMS:
        case LB_GETTOPINDEX:
        case LB_GETITEMRECT:
        case LB_GETCOUNT:
        case LB_GETITEMHEIGHT:
        case WM_GETFONT:
        case WM_GETDLGCODE:
        case WM_NCHITTEST:
        case WM_SETCURSOR:
        case WM_PAINT:
        case WM_NCPAINT:
        case WM_ERASEBKGND:
            break;
        default:
            Forget();
            break;
    }
    if (message == WM_CHAR && TypeAhead(wParam)) {
        return 0;
    }
    return Default(message, wParam, lParam);
}

bool OwnerDrawnList::TypeAhead(WPARAM typed) {
    const char letter = static_cast<char>(typed);
    const int row = TypeAheadRow(Count(), CurrentRow(), std::string_view(&letter, 1),
                                 [this](int at) -> std::string_view { return Text(at); });
    if (row < 0) {
        return false;
    }
    const auto wRow = static_cast<WPARAM>(row);
    if (selection_ == LBS_EXTENDEDSEL) {
        SendMessageA(Hwnd(), LB_SETSEL, FALSE, -1);
        SendMessageA(Hwnd(), LB_SETSEL, TRUE, row);
        SendMessageA(Hwnd(), LB_SETANCHORINDEX, wRow, 0);
        SendMessageA(Hwnd(), LB_SETCARETINDEX, wRow, FALSE);
    } else {
        SendMessageA(Hwnd(), LB_SETCURSEL, wRow, 0);
    }
    TypedAhead();
    return true;
}

void OwnerDrawnList::InvalidateRow(int /*row*/) const {
    // Finding the row's rectangle would cost a message; drawing the visible rows costs less.
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

int OwnerDrawnList::CurrentRow() const {
    if (pendingCurrent_ != kNone) {
        return current_;
    }
    if (current_ == kUnknown) {
        const auto row = static_cast<int>(SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0));
        current_ = row < 0 ? -1 : row;
    }
    return current_;
}

void OwnerDrawnList::SetCurrentRow(int row) const {
    current_ = row < 0 || row >= Count() ? -1 : row;
    pendingCurrent_ = current_;
    InvalidateRect(Hwnd(), nullptr, FALSE);
    PostSync();
}

bool OwnerDrawnList::OnDrawItem(const DRAWITEMSTRUCT& item) {
    Sync();
    const int row = static_cast<int>(item.itemID);
    if (item.itemID == static_cast<UINT>(-1) || row >= Count()) {
        if ((item.itemState & ODS_FOCUS) != 0) {
            DrawFocusRect(item.hDC, &item.rcItem);
        }
        return true;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT text = item.rcItem;
    text.left += MulDiv(2, dpi_, 96) + Indent(row);
    const int side = MarkSide();
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - side) / 2;
    if (const int mark = CheckMark(row); mark >= 0) {
        RECT box{text.left, top, text.left + side, top + side};
        DrawFrameControl(item.hDC, &box, DFC_BUTTON,
                         DFCS_BUTTONCHECK | DFCS_FLAT | (mark != 0 ? DFCS_CHECKED : 0));
        text.left += side + MulDiv(4, dpi_, 96);
    } else if (HICON icon = RowIcon(row)) {
        DrawIconEx(item.hDC, text.left, top, icon, side, side, 0, nullptr, DI_NORMAL);
        text.left += side + MulDiv(4, dpi_, 96);
    }
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::string& label = Text(row);
    DrawTextA(item.hDC, label.c_str(), static_cast<int>(label.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
    return true;
}

}  // namespace kelvane::win32

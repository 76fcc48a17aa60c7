#include "ownerdrawnlist.h"

#include <utility>

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
    if (shown_ + 1 == texts_.size()) {
        PostMessageA(Hwnd(), WM_NULL, 0, 0);  // so that an idle list box shows the rows soon
    }
}

void OwnerDrawnList::Sync() const {
    if (shown_ == texts_.size() || Hwnd() == nullptr) {
        return;
    }
    shown_ = texts_.size();  // first: the messages below come back through OnMessage
    const LRESULT current = SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0);
    SendMessageA(Hwnd(), LB_SETCOUNT, shown_, 0);
    if (current >= 0) {
        SendMessageA(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(current), 0);
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
    SendMessageA(Hwnd(), LB_RESETCONTENT, 0, 0);
}

void OwnerDrawnList::ResetRows(std::vector<std::string> texts) {
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
    return Default(message, wParam, lParam);
}

void OwnerDrawnList::InvalidateRow(int row) const {
    RECT rect{};
    if (SendMessageA(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&rect)) != LB_ERR) {
        InvalidateRect(Hwnd(), &rect, FALSE);
    }
}

int OwnerDrawnList::CurrentRow() const {
    const auto row = static_cast<int>(SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0));
    return row < 0 ? -1 : row;
}

void OwnerDrawnList::SetCurrentRow(int row) const {
    SendMessageA(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
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

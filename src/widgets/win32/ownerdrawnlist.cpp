#include "ownerdrawnlist.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "base/widetext.h"
#include "widgets/typeahead.h"

namespace kelvane::win32 {

OwnerDrawnList::OwnerDrawnList(Win32Window& window, const ControlDesign& design, DWORD selection)
    : Control(window, design), selection_(selection) {}

bool OwnerDrawnList::Make(HWND form, int id) {
    const DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                        LBS_NOINTEGRALHEIGHT | selection_;
    return Create(L"LISTBOX", style, WS_EX_CLIENTEDGE, "", form, id);
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
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(Hwnd(), dc);
    rowHeight_ = RowHeightFor(metrics.tmHeight, dpi);
    SendMessageW(Hwnd(), LB_SETITEMHEIGHT, 0, rowHeight_);
    Control::Place(place, dpi);
}

int OwnerDrawnList::RowAt(int y) const {
    if (y < 0 || rowHeight_ <= 0) {
        return -1;
    }
    const auto top = static_cast<int>(SendMessageW(Hwnd(), LB_GETTOPINDEX, 0, 0));
    const int row = top + y / rowHeight_;
    return row < Count() ? row : -1;
}

void OwnerDrawnList::SetText(int row, std::string text) {
    texts_[static_cast<std::size_t>(row)] = std::move(text);
    if (static_cast<std::size_t>(row) < shown_ && !allChanged_) {
        changed_.push_back(row);
        if (changed_.size() > kFewChanges) {
            allChanged_ = true;
            changed_.clear();
        }
    }
    InvalidateRow(row);
    PostSync();
}

void OwnerDrawnList::Append(std::string text) {
    texts_.push_back(std::move(text));
    PostSync();
}

void OwnerDrawnList::PostSync() const {
    // So that an idle list box shows the change soon.
    if (!syncPosted_) {
        syncPosted_ = PostMessageW(Hwnd(), WM_NULL, 0, 0) != FALSE;
    }
}

void OwnerDrawnList::Sync() const {
    if (Hwnd() == nullptr) {
        return;
    }
    syncPosted_ = false;
    // Each step first records that it is done: its messages may come back through OnMessage.
    if (shown_ != texts_.size() || allChanged_ || !changed_.empty()) {
        Direct(WM_SETREDRAW, FALSE, 0);
        ReplaceChangedRows();  // and hands over the rows appended
        Direct(WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Hwnd(), nullptr, FALSE);
    }
    if (pendingCurrent_ != kNone) {
        const int row = pendingCurrent_;
        pendingCurrent_ = kNone;
        SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        current_ = row;
    }
}

void OwnerDrawnList::AddRows() const {
    if (shown_ >= texts_.size()) {
        return;
    }
    std::vector<std::wstring> rows;
    rows.reserve(texts_.size() - shown_);
    std::size_t bytes = 0;
    for (std::size_t row = shown_; row < texts_.size(); ++row) {
        rows.push_back(ToWideShown(texts_[row]));
        bytes += (rows.back().size() + 1) * sizeof(wchar_t);
    }
    shown_ = texts_.size();
    Direct(LB_INITSTORAGE, rows.size(), static_cast<LPARAM>(bytes));
    for (const std::wstring& row : rows) {
        Direct(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
}

void OwnerDrawnList::ReplaceChangedRows() const {
    if (!allChanged_ && changed_.empty()) {
        AddRows();
        return;
    }
    const LRESULT current = Direct(LB_GETCURSEL, 0, 0);
    const LRESULT caret = Direct(LB_GETCARETINDEX, 0, 0);
    const LRESULT top = Direct(LB_GETTOPINDEX, 0, 0);
    if (allChanged_) {
        Direct(LB_RESETCONTENT, 0, 0);
        shown_ = 0;  // AddRows hands them all again
    } else {
        std::vector<int> rows = changed_;
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        for (const int row : rows) {
            const auto at = static_cast<WPARAM>(row);
            Direct(LB_DELETESTRING, at, 0);
            const std::wstring text = ToWideShown(texts_[at]);
            Direct(LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    changed_.clear();
    allChanged_ = false;
    AddRows();
    if (current >= 0) {
        Direct(LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    }
    if (caret >= 0) {
        Direct(LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
    }
    if (top >= 0) {
        Direct(LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    }
}

void OwnerDrawnList::Erase(int row) {
    Sync();
    texts_.erase(texts_.begin() + row);
    shown_ = texts_.size();
    SendMessageW(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
}

void OwnerDrawnList::ClearRows() {
    texts_.clear();
    shown_ = 0;
    changed_.clear();
    allChanged_ = false;
    pendingCurrent_ = kNone;
    SendMessageW(Hwnd(), LB_RESETCONTENT, 0, 0);
}

void OwnerDrawnList::ResetRows(std::vector<std::string> texts) {
    pendingCurrent_ = kNone;
    changed_.clear();
    allChanged_ = false;
    SendMessageW(Hwnd(), WM_SETREDRAW, FALSE, 0);
    texts_ = std::move(texts);
    shown_ = texts_.size();  // so that nothing is handed over before the list box is emptied
    SendMessageW(Hwnd(), LB_RESETCONTENT, 0, 0);
    shown_ = 0;
    AddRows();
    SendMessageW(Hwnd(), WM_SETREDRAW, TRUE, 0);
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
        case LB_GETTEXT:
        case LB_GETTEXTLEN:
        case LB_GETCARETINDEX:
        case LB_GETANCHORINDEX:
        case WM_GETOBJECT:
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
    if (message == WM_CHAR && TakeTyped(wParam)) {
        return 0;
    }
    return Default(message, wParam, lParam);
}

bool OwnerDrawnList::TakeTyped(WPARAM typed) {
    const auto unit = static_cast<wchar_t>(typed);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        highSurrogate_ = unit;  // the character's second half comes in the next message
        return true;
    }
    std::wstring character(1, unit);
    if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
        character.insert(character.begin(), highSurrogate_);
    }
    highSurrogate_ = 0;
    const kelvane::TypeAhead::Result found =
        // The message's time: milliseconds since the system started, round every 49.7 days (a
        // time that goes back then starts a search afresh).
        typeAhead_.Type(FromWide(character), TypeAheadTime(static_cast<DWORD>(GetMessageTime())),
                        kTypeAheadInterval, Count(), CurrentRow(),
                        [this](int at) -> std::string_view { return Text(at); });
    if (!found.taken) {
        return false;
    }
    const int row = found.row;
    if (row < 0) {
        return true;  // the list box's own search, by another rule, never runs
    }
    const auto wRow = static_cast<WPARAM>(row);
    if (selection_ == LBS_EXTENDEDSEL) {
        SendMessageW(Hwnd(), LB_SETSEL, FALSE, -1);
        SendMessageW(Hwnd(), LB_SETSEL, TRUE, row);
        SendMessageW(Hwnd(), LB_SETANCHORINDEX, wRow, 0);
        SendMessageW(Hwnd(), LB_SETCARETINDEX, wRow, FALSE);
    } else {
        SendMessageW(Hwnd(), LB_SETCURSEL, wRow, 0);
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
        const auto row = static_cast<int>(SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0));
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
    const std::wstring label = ToWideShown(Text(row));
    DrawTextW(item.hDC, label.c_str(), static_cast<int>(label.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
    return true;
}

}  // namespace kelvane::win32

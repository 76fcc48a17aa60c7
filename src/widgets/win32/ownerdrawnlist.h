#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "control.h"
#include "widgets/typeahead.h"

namespace kelvane::win32 {

// A list box that draws its own rows from texts it keeps itself (an owner-drawn list box):
// reading a row's text is O(1) and gives the program's text exactly, whatever its bytes. The list
// box holds every row's text too, as it is shown (LBS_HASSTRINGS), so that assistive technology
// reads the rows the standard way, LB_GETTEXTLEN and LB_GETTEXT, from any process.
//
// Changes reach the list box in batches, before it next handles any message (a paint, a click, a
// query, another process asking for a row's text): the rows appended one by one, and the rows
// whose text changed, with its drawing held back. A list changed in many rows at once is filled
// afresh. Only lists of single selection change a row's text (SetText): their current row stays.
// Rows may be indented and carry a small picture or a check box.
//
// A typed character moves the caret, and the selection as the list's style moves it, by the rule
// of kelvane::TypeAhead, the characters typed within a second of each other looked for together
// (the interval of Windows' list views: the list box's own search goes by one letter only); a
// character outside the basic plane arrives as two surrogates and is looked for whole. A
// character that no row starts with moves nothing. The time of a character is its message's.
//
// RowAt finds the row under a point from the top row and the row height, so it stays exact
// past 65,535 rows, where the list box's own hit test (16-bit) does not.
//
// Every message through a control's subclass costs some tens of microseconds under wine, and
// every row the list box draws at once far more, so a change of the current row sends nothing:
// the list box hears of it, like of the changed rows, before it next handles any message, and
// draws at its next paint. What it reports is kept until a message that may change it (a click,
// a key) reaches it. So moving a row costs about the same in a list of 100,000 rows as in one of
// ten, and a drag across many rows is drawn once.
class OwnerDrawnList : public Control {
  public:
    // The interval of type-ahead, in milliseconds. The list view, whose search this is, has it
    // fixed at one second ("Default List-View Message Processing", Windows SDK); Windows has no
    // setting of it.
    static constexpr std::int64_t kTypeAheadInterval = 1000;

    // `selection` is the list box's selection style: 0, or LBS_EXTENDEDSEL.
    OwnerDrawnList(Win32Window& window, const ControlDesign& design, DWORD selection);

    bool Make(HWND form, int id) override;
    void Place(const PixelRect& place, int dpi) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

    int Count() const { return static_cast<int>(texts_.size()); }
    const std::string& Text(int row) const { return texts_[static_cast<std::size_t>(row)]; }
    // The row under the point (x, y) of the client area; -1 for none.
    int RowAt(int y) const;
    int RowHeight() const { return rowHeight_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Called whenever a message that may change the list box's state reaches it: what was
    // kept of that state is stale.
    virtual void Forget() { current_ = kUnknown; }
    // Called once a typed character has moved the caret.
    virtual void TypedAhead() {}
    // Runs `change` with the list box's drawing held back, then has the list drawn at the next
    // paint.
    template <typename Change>
    void Quietly(Change&& change) const {
        SendMessageW(Hwnd(), WM_SETREDRAW, FALSE, 0);
        change();
        SendMessageW(Hwnd(), WM_SETREDRAW, TRUE, 0);
    }
    // For a list of single selection only (the selection of an extended one isn't kept).
    void SetText(int row, std::string text);
    void Append(std::string text);
    void Erase(int row);
    void ClearRows();
    // Replaces every row at once.
    void ResetRows(std::vector<std::string> texts);
    void InvalidateRow(int row) const;
    // Where the current row is; -1 for none.
    int CurrentRow() const;
    void SetCurrentRow(int row) const;

    // How a row is drawn: indented by some pixels, with a picture or a check box before it.
    virtual int Indent(int /*row*/) const { return 0; }
    virtual HICON RowIcon(int /*row*/) const { return nullptr; }
    // -1 for a row without a check box, else whether it is checked.
    virtual int CheckMark(int /*row*/) const { return -1; }
    // The row height for text `textHeight` pixels high.
    virtual int RowHeightFor(int textHeight, int dpi) const;
    // The side of a check box or picture, in pixels.
    int MarkSide() const;
    // `pixels` at 96 dpi, at the list's DPI.
    int Scaled(int pixels) const { return MulDiv(pixels, dpi_, 96); }

  private:
    // Tells the list box the rows appended or changed and the current row set since it last
    // heard.
    void Sync() const;
    // Hands the list box the rows from `shown_` on.
    void AddRows() const;
    // Hands the list box the changed rows it holds, or every row afresh, then the rows appended;
    // its selection, caret and top row stay.
    void ReplaceChangedRows() const;
    // Takes a character typed into the list (WM_CHAR); false for one the list box handles
    // itself (Space, Backspace and other control characters).
    bool TakeTyped(WPARAM typed);
    void PostSync() const;

    DWORD selection_;
    std::vector<std::string> texts_;
    mutable std::size_t shown_ = 0;  // the rows the list box holds
    // Rows the list box holds whose text changed since; past kFewChanges, all of them.
    static constexpr std::size_t kFewChanges = 32;
    mutable std::vector<int> changed_;
    mutable bool allChanged_ = false;
    wchar_t highSurrogate_ = 0;  // the first half of a typed character, until its second comes
    kelvane::TypeAhead typeAhead_;
    static constexpr int kUnknown = -2;
    mutable int current_ = kUnknown;  // the list box's current row, as last asked or set
    static constexpr int kNone = -3;
    mutable int pendingCurrent_ = kNone;  // a current row set that the list box hasn't heard of
    mutable bool syncPosted_ = false;
    int rowHeight_ = 16;
    int dpi_ = 96;
};

}  // namespace kelvane::win32

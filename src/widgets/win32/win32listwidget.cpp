#include "win32listwidget.h"

#include "widgets/widgeterror.h"

namespace kelvane::win32 {

Win32ListWidget::Win32ListWidget(Win32Window& window, const ControlDesign& design, Style style)
    : OwnerDrawnList(window, design, 0), style_(style) {}

std::string Win32ListWidget::List(int index) const {
    Check(index);
    return Text(index);
}

void Win32ListWidget::SetList(int index, const std::string& text) {
    Check(index);
    SetText(index, text);
}

bool Win32ListWidget::Selected(int index) const {
    Check(index);
    if (style_ == Style::CheckBox) {
        return checks_[static_cast<std::size_t>(index)] != 0;
    }
    return CurrentRow() == index;
}

void Win32ListWidget::SetSelected(int index, bool selected) {
    Check(index);
    if (style_ == Style::CheckBox) {
        checks_[static_cast<std::size_t>(index)] = selected ? 1 : 0;
        InvalidateRow(index);
    } else if (selected) {
        SetCurrentRow(index);
    } else if (CurrentRow() == index) {
        SetCurrentRow(-1);
    }
}

void Win32ListWidget::SetListIndex(int index) {
    if (index != -1) {
        Check(index);
    }
    SetCurrentRow(index);
}

void Win32ListWidget::AddItem(const std::string& text) {
    checks_.push_back(0);
    Append(text);
    newIndex_ = Count() - 1;
}

void Win32ListWidget::RemoveItem(int index) {
    Check(index);
    if (CurrentRow() == index) {
        SetCurrentRow(-1);
    }
    Erase(index);
    checks_.erase(checks_.begin() + index);
    newIndex_ = -1;
}

void Win32ListWidget::Clear() {
    ClearRows();
    checks_.clear();
    newIndex_ = -1;
}

int Win32ListWidget::CheckMark(int row) const {
    return style_ == Style::CheckBox ? checks_[static_cast<std::size_t>(row)] : -1;
}

void Win32ListWidget::Toggle(int row) {
    checks_[static_cast<std::size_t>(row)] ^= 1;
    InvalidateRow(row);
}

bool Win32ListWidget::OnCheckBox(int x, int y) const {
    return style_ == Style::CheckBox && RowAt(y) >= 0 && x < Scaled(2) + MarkSide() + Scaled(2);
}

LRESULT Win32ListWidget::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const int x = GET_X_LPARAM(lParam);
            const int y = GET_Y_LPARAM(lParam);
            if (message == WM_LBUTTONDOWN && OnCheckBox(x, y)) {
                Toggle(RowAt(y));
            }
            const LRESULT result = OwnerDrawnList::OnMessage(message, wParam, lParam);
            Raise(Event::MouseDown, ToMouseEvent(message, wParam, lParam));
            return result;
        }
        case WM_LBUTTONDBLCLK:
            if (OnCheckBox(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
                Toggle(RowAt(GET_Y_LPARAM(lParam)));
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
            if (style_ == Style::CheckBox && wParam == ' ' && CurrentRow() >= 0) {
                Toggle(CurrentRow());
                return 0;
            }
            break;
        default:
            break;
    }
    return OwnerDrawnList::OnMessage(message, wParam, lParam);
}

}  // namespace kelvane::win32

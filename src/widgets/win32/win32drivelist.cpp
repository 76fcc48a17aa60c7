#include "win32drivelist.h"

#include "base/widetext.h"

namespace kelvane::win32 {

bool Win32DriveList::Make(HWND form, int id) {
    if (!Create(WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, "", form, id)) {
        return false;
    }
    FillDrives();
    return true;
}

void Win32DriveList::Place(const PixelRect& place, int dpi) {
    // A combo box's height is its dropped-down height; the closed box is made as high as
    // described by sizing its selection field, which takes effect at the next move.
    PixelRect dropped = place;
    dropped.height = place.height + MulDiv(160, dpi, 96);
    auto field =
        static_cast<int>(SendMessageW(Hwnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 4; ++attempt) {
        Control::Place(dropped, dpi);
        RECT closed{};
        GetWindowRect(Hwnd(), &closed);
        const int difference = place.height - static_cast<int>(closed.bottom - closed.top);
        if (difference == 0) {
            break;
        }
        // Systems differ in what the field's height counts, so correct by what was seen.
        field += difference;
        SendMessageW(Hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

bool Win32DriveList::Dropped() const {
    return SendMessageW(Hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void Win32DriveList::ShowDrives(const std::vector<std::string>& drives, int chosen) {
    SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
    for (const std::string& drive : drives) {
        SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWideShown(drive).c_str()));
    }
    ShowChosen(chosen);
}

void Win32DriveList::ShowChosen(int row) {
    SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(row), 0);  // raises no CBN_SELCHANGE
}

void Win32DriveList::Pick() {
    PickRow(static_cast<int>(SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0)));
}

LRESULT Win32DriveList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEWHEEL:
            if (!Dropped()) {
                return 0;  // no pick
            }
            break;
        case WM_KEYDOWN:
        case WM_CHAR:
            if (!Dropped()) {
                // A key that moves the closed list's choice picks that drive, once, whatever
                // the list box reports on the way.
                const LRESULT before = SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0);
                typing_ = true;
                const LRESULT result = Default(message, wParam, lParam);
                typing_ = false;
                if (!Dropped() && SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0) != before) {
                    Pick();
                }
                return result;
            }
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

void Win32DriveList::OnCommand(WORD code) {
    switch (code) {
        case CBN_DROPDOWN:
            FillDrives();
            break;
        case CBN_SELENDOK:
            if (!typing_) {
                Pick();  // a drive picked from the dropped-down list
            }
            break;
        case CBN_SELENDCANCEL:
            ShowChosen(ChosenRow());
            break;
        default:
            break;
    }
}

}  // namespace kelvane::win32

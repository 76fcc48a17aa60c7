#include "win32drivelist.h"

#include <cctype>
#include <optional>

#include "base/widetext.h"
#include "widgets/widgeterror.h"

namespace kelvane::win32 {

namespace {

char Letter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':'
               ? static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])))
               : '\0';
}

}  // namespace

std::vector<std::string> Win32DriveList::Drives() {
    std::wstring buffer(1024, L'\0');
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    std::vector<std::string> drives;
    if (length == 0 || length > buffer.size()) {
        return drives;
    }
    for (std::size_t start = 0; start < length && buffer[start] != L'\0';) {
        const std::size_t end = buffer.find(L'\0', start);
        std::string drive = FromWide(buffer.substr(start, end - start));
        if (Letter(drive) != '\0') {
            drive[0] = Letter(drive);
            drives.push_back(drive);
        }
        start = end + 1;
    }
    return drives;
}

bool Win32DriveList::Make(HWND form, int id) {
    if (!Create(WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, "", form, id)) {
        return false;
    }
    Fill();
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

int Win32DriveList::IndexOf(const std::string& drive) const {
    for (std::size_t i = 0; i < drives_.size(); ++i) {
        if (Letter(drives_[i]) == Letter(drive)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Win32DriveList::Fill() {
    drives_ = Drives();
    if (!drive_.empty() && IndexOf(drive_) < 0) {
        drives_.push_back(drive_);  // chosen before it went away
    }
    SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
    for (const std::string& drive : drives_) {
        SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWideShown(drive).c_str()));
    }
    if (drive_.empty() && !drives_.empty()) {
        drive_ = drives_.front();
    }
    SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(IndexOf(drive_)), 0);
}

void Win32DriveList::SetDrive(const std::string& drive) {
    std::string path = drive;
    if (Letter(path) == '\0') {
        // A relative path: the drive of the current folder. A name that isn't exactly text
        // names no drive.
        wchar_t full[MAX_PATH] = {};
        const std::optional<std::wstring> wide = ToWide(drive);
        if (wide && GetFullPathNameW(wide->c_str(), MAX_PATH, full, nullptr) != 0) {
            path = FromWide(full);
        }
    }
    const int index = IndexOf(path);
    if (index < 0) {
        throw WidgetError("no drive holds " + drive);
    }
    drive_ = drives_[static_cast<std::size_t>(index)];
    SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);  // raises no CBN_SELCHANGE
}

void Win32DriveList::Pick() {
    const auto index = static_cast<int>(SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0));
    if (index < 0 || index >= static_cast<int>(drives_.size())) {
        return;
    }
    drive_ = drives_[static_cast<std::size_t>(index)];
    Raise(Event::Change);
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
            Fill();
            break;
        case CBN_SELENDOK:
            if (!typing_) {
                Pick();  // a drive picked from the dropped-down list
            }
            break;
        case CBN_SELENDCANCEL:
            SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(IndexOf(drive_)), 0);
            break;
        default:
            break;
    }
}

}  // namespace kelvane::win32

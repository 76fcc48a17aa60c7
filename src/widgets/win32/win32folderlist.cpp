#include "win32folderlist.h"

#include <algorithm>

#include "pictures.h"
#include "widgets/folderreader.h"
#include "widgets/naturalorder.h"
#include "widgets/widgeterror.h"
#include "win32window.h"

namespace kelvane::win32 {

namespace {

// The length of the top folder at the start of a full path: "C:\" or "\\server\share\".
std::size_t RootLength(const std::string& path) {
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') {
        return 3;
    }
    if (path.rfind("\\\\", 0) == 0) {
        const std::size_t server = path.find('\\', 2);
        if (server != std::string::npos) {
            const std::size_t share = path.find('\\', server + 1);
            return share == std::string::npos ? path.size() : share + 1;
        }
    }
    return 0;
}

}  // namespace

Win32FolderList::Win32FolderList(Win32Window& window, const ControlDesign& design)
    : OwnerDrawnList(window, design, 0) {}

std::string Win32FolderList::NormalPath(const std::string& path) {
    if (path.empty()) {
        throw WidgetError("no folder given");
    }
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            throw WidgetError("can't resolve folder " + path);
        }
        const bool fits = length < full.size();
        full.resize(length);
        if (fits) {
            break;
        }
    }
    const std::size_t root = RootLength(full);
    while (full.size() > std::max<std::size_t>(root, 1) && full.back() == '\\') {
        full.pop_back();
    }
    return full;
}

void Win32FolderList::SetPath(const std::string& path) {
    const std::string folder = NormalPath(path);
    // Read first: a folder that can't be listed raises WidgetError and changes nothing.
    std::vector<std::string> subfolders = ReadFolder(folder).subfolders;
    std::sort(subfolders.begin(), subfolders.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });

    std::vector<std::string> names;
    paths_.clear();
    depths_.clear();
    const std::size_t root = RootLength(folder);
    std::size_t end = root == 0 ? folder.find('\\') : root;
    std::size_t start = 0;
    for (;;) {
        if (end == std::string::npos || end >= folder.size()) {
            end = folder.size();
        }
        const std::string step = folder.substr(0, end);
        names.push_back(paths_.empty() ? step : folder.substr(start, end - start));
        paths_.push_back(step);
        depths_.push_back(static_cast<int>(depths_.size()));
        if (end >= folder.size()) {
            break;
        }
        start = folder[end] == '\\' ? end + 1 : end;
        end = folder.find('\\', start);
    }
    openRow_ = static_cast<int>(paths_.size()) - 1;
    const std::string prefix = folder.back() == '\\' ? folder : folder + '\\';
    for (std::string& name : subfolders) {
        paths_.push_back(prefix + name);
        depths_.push_back(openRow_ + 1);
        names.push_back(std::move(name));
    }
    ResetRows(std::move(names));

    // Opening the open folder again shows its subfolders afresh but raises no change, so the
    // file list keeps the user's picks.
    const bool moved = folder != path_;
    path_ = folder;
    SetCurrentRow(openRow_);
    if (moved) {
        Raise(Event::Change);
    }
}

int Win32FolderList::ListCount() const {
    return Count() - openRow_ - 1;
}

int Win32FolderList::RowOf(int index) const {
    const int row = openRow_ + 1 + index;
    if (openRow_ < 0 || row < 0 || row >= Count()) {
        throw WidgetError("folder list index " + std::to_string(index) + " out of range");
    }
    return row;
}

int Win32FolderList::ListIndex() const {
    const int row = CurrentRow();
    return row < 0 ? -1 : row - openRow_ - 1;
}

void Win32FolderList::SetListIndex(int index) {
    SetCurrentRow(RowOf(index));
}

std::string Win32FolderList::List(int index) const {
    return paths_[static_cast<std::size_t>(RowOf(index))];
}

int Win32FolderList::Indent(int row) const {
    return depths_[static_cast<std::size_t>(row)] * Scaled(8);
}

HICON Win32FolderList::RowIcon(int row) const {
    return FolderIcon(row <= openRow_);
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

void Win32FolderList::OpenRow(int row) {
    if (row < 0 || row >= static_cast<int>(paths_.size())) {
        return;
    }
    try {
        SetPath(paths_[static_cast<std::size_t>(row)]);
    } catch (const std::exception&) {
        // A folder that can't be read stays closed; the highlight stays on it.
    }
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

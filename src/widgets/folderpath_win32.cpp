#include <windows.h>

#include <algorithm>
#include <optional>

#include "base/widetext.h"
#include "folderpath.h"
#include "widgeterror.h"

namespace kelvane {

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

std::string NormalFolder(const std::string& path) {
    if (path.empty()) {
        throw WidgetError("no folder given");
    }
    const std::optional<std::wstring> wide = ToWide(path);
    if (!wide) {
        // Not exactly text: no folder of the system is spelt that way.
        throw WidgetError("can't resolve folder " + path + ": its name isn't valid text");
    }
    std::wstring resolved(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(wide->c_str(), static_cast<DWORD>(resolved.size()),
                                              resolved.data(), nullptr);
        if (length == 0) {
            throw WidgetError("can't resolve folder " + path);
        }
        const bool fits = length < resolved.size();
        resolved.resize(length);
        if (fits) {
            break;
        }
    }
    std::string full = FromWide(resolved);
    const std::size_t root = RootLength(full);
    while (full.size() > std::max<std::size_t>(root, 1) && full.back() == '\\') {
        full.pop_back();
    }
    return full;
}

std::vector<FolderStep> FolderChain(const std::string& folder) {
    std::vector<FolderStep> chain;
    const std::size_t root = RootLength(folder);
    std::size_t end = root == 0 ? folder.find('\\') : root;
    std::size_t start = 0;
    for (;;) {
        if (end == std::string::npos || end >= folder.size()) {
            end = folder.size();
        }
        const std::string step = folder.substr(0, end);
        chain.push_back({step, chain.empty() ? step : folder.substr(start, end - start)});
        if (end >= folder.size()) {
            return chain;
        }
        start = folder[end] == '\\' ? end + 1 : end;
        end = folder.find('\\', start);
    }
}

bool FolderHolds(const std::string& folder, const std::string& path) {
    const auto separator = [](char c) { return c == '\\' || c == '/'; };
    if (folder.empty() || path.size() < folder.size() ||
        CompareStringOrdinal(ToWideShown(folder).c_str(), -1,
                             ToWideShown(path.substr(0, folder.size())).c_str(), -1,
                             TRUE) != CSTR_EQUAL) {
        return false;
    }
    return path.size() == folder.size() || separator(folder.back()) ||
           separator(path[folder.size()]);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return !folder.empty() && folder.back() == '\\' ? folder + name : folder + '\\' + name;
}

}  // namespace kelvane

#include <windows.h>

#include "systemfilelookup.h"

namespace kelvane {

std::string SystemFileLookup::PlainFileName(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) !=
            0) {
        return {};
    }
    const auto separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace kelvane

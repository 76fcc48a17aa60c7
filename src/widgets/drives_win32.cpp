#include <windows.h>

#include <cctype>

#include "base/widetext.h"
#include "drives.h"

namespace kelvane {

std::vector<std::string> ListDrives() {
    std::wstring buffer(1024, L'\0');
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    std::vector<std::string> drives;
    if (length == 0 || length > buffer.size()) {
        return drives;
    }
    for (std::size_t start = 0; start < length && buffer[start] != L'\0';) {
        const std::size_t end = buffer.find(L'\0', start);
        std::string drive = FromWide(buffer.substr(start, end - start));
        if (drive.size() >= 2 && drive[1] == ':') {
            drive[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0])));
            drives.push_back(drive);
        }
        start = end + 1;
    }
    return drives;
}

}  // namespace kelvane

// A small program for the program-start tests: when started, it leaves a marker file next to
// itself, named as the program with ".started" in place of ".exe", holding the command line
// it was given, in UTF-8. Written to a temporary name first and then renamed, so a waiting test
// never reads a half-written marker. It works in a folder of any name.
#include <windows.h>

#include <string>
#include <vector>

#include "base/widetext.h"

int main() {
    std::vector<wchar_t> module(32768);
    const DWORD length =
        GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
    if (length <= 4 || length >= module.size()) {
        return 1;
    }
    const std::wstring stem(module.data(), length - 4);  // the program's path without ".exe"
    const std::wstring partial = stem + L".partial";
    const std::wstring marker = stem + L".started";

    const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const std::string commandLine = kelvane::FromWide(GetCommandLineW());
    const DWORD size = static_cast<DWORD>(commandLine.size());
    DWORD written = 0;
    const BOOL ok = WriteFile(file, commandLine.data(), size, &written, nullptr) && written == size;
    CloseHandle(file);
    if (!ok || !MoveFileExW(partial.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return 1;
    }
    return 0;
}

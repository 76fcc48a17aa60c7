#include <windows.h>

#include <optional>

#include "base/widetext.h"
#include "systemprogramstarter.h"

namespace kelvane {

bool SystemProgramStarter::Start(const std::string& program) {
    const std::optional<std::wstring> path = ToWide(program);
    if (!path || path->empty()) {
        return false;  // a path that isn't exact text names no program
    }
    // The path is quoted on the command line so a path with blanks names one program and is
    // never read as a shorter program followed by arguments.
    std::wstring commandLine = L"\"" + *path + L"\"";

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    // The program runs on its own: its handles aren't kept and it isn't waited for.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace kelvane

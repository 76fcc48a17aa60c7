#include <windows.h>

#include <vector>

#include "systemprogramstarter.h"

namespace kelvane {

bool SystemProgramStarter::Start(const std::string& program) {
    if (program.empty()) {
        return false;
    }
    // The path is quoted on the command line so a path with blanks names one program and is
    // never read as a shorter program followed by arguments.
    const std::string quoted = "\"" + program + "\"";
    std::vector<char> commandLine(quoted.begin(), quoted.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    // The program runs on its own: its handles aren't kept and it isn't waited for.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace kelvane

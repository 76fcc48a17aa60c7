// The Windows install check's helper: scripts/test installs the program with its installer
// (under wine), then tries the installed program through this one.
//   installcheck help PROGRAM FOLDER RECORD
//                                      starts PROGRAM in FOLDER as a user would, waits for its
//                                      main window, chooses Help > Help there with the keyboard
//                                      (Alt+H, Up, Enter), waits for RECORD to appear, then
//                                      closes the window and waits for the program to end
//   installcheck record RECORD DOCUMENT
//                                      the PDF opener the check registers: writes DOCUMENT into
//                                      RECORD (to a temporary name first, so that a waiting
//                                      check never reads half of it)
// RECORD holds DOCUMENT in UTF-8. Waits give up after a minute: a program that hangs
// fails the check rather than holding up the run.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "base/widetext.h"

namespace {

using kelvane::FromWide;

constexpr DWORD kPatience = 60000;
constexpr DWORD kStep = 100;

int Fail(const std::string& message) {
    std::fprintf(stderr, "installcheck: %s\n", message.c_str());
    return 1;
}

// A visible top-level window of a process: its main window (the one with a menu bar), or an
// open menu (of the system's menu class).
struct WindowSearch {
    DWORD process;
    bool menu;
    HWND found = nullptr;
};

BOOL CALLBACK TakeWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    const bool isMenu = std::wstring(className) == L"#32768";
    if (search.menu ? isMenu : GetMenu(window) != nullptr) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Waits for such a window while the process runs; false when it ends or a minute has passed.
bool WaitForWindow(HANDLE process, WindowSearch& search) {
    for (DWORD waited = 0; waited < kPatience; waited += kStep) {
        EnumWindows(TakeWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr || WaitForSingleObject(process, kStep) == WAIT_OBJECT_0) {
            break;
        }
    }
    return search.found != nullptr;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int ChooseHelp(const std::wstring& program, const std::wstring& folder,
               const std::wstring& record) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &started)) {
        return Fail("can't start " + FromWide(program));
    }
    CloseHandle(started.hThread);
    const auto fail = [&](const std::string& message) {
        TerminateProcess(started.hProcess, 1);
        CloseHandle(started.hProcess);
        return Fail(message);
    };

    WindowSearch mainWindow{started.dwProcessId, false};
    if (!WaitForWindow(started.hProcess, mainWindow)) {
        DWORD status = 0;
        if (GetExitCodeProcess(started.hProcess, &status) && status != STILL_ACTIVE) {
            CloseHandle(started.hProcess);
            return Fail("the program ended at start, with status " + std::to_string(status));
        }
        return fail("the program showed no main window");
    }
    std::printf("The program started and shows its main window\n");

    // As a user at the keyboard: the Help menu by its access letter; once it is open, its last
    // item. The keys wait for the menu, which takes them only once it is open.
    PostMessageW(mainWindow.found, WM_SYSCOMMAND, SC_KEYMENU, 'h');
    WindowSearch menuWindow{started.dwProcessId, true};
    if (!WaitForWindow(started.hProcess, menuWindow)) {
        return fail("the Help menu didn't open");
    }
    PostMessageW(mainWindow.found, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(mainWindow.found, WM_CHAR, '\r', 0);
    DWORD waited = 0;
    for (; !Exists(record) && waited < kPatience; waited += kStep) {
        Sleep(kStep);
    }
    if (!Exists(record)) {
        return fail("Help opened no document");
    }

    PostMessageW(mainWindow.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.hProcess, kPatience) != WAIT_OBJECT_0) {
        return fail("the program didn't end when its window was closed");
    }
    DWORD status = 0;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hProcess);
    if (status != 0) {
        return Fail("the program ended with status " + std::to_string(status));
    }
    return 0;
}

int Record(const std::wstring& record, const std::wstring& document) {
    const std::filesystem::path partial = record + L".partial";
    std::ofstream out(partial, std::ios::binary);
    out << FromWide(document) << "\n";
    out.close();
    std::error_code failed;
    std::filesystem::rename(partial, record, failed);
    return out && !failed ? 0 : 1;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** given = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> args(given, given + count);
    LocalFree(given);
    if (count == 5 && args[1] == L"help") {
        return ChooseHelp(args[2], args[3], args[4]);
    }
    if (count == 4 && args[1] == L"record") {
        return Record(args[2], args[3]);
    }
    return Fail("usage: installcheck help PROGRAM FOLDER RECORD | record RECORD DOCUMENT");
}

// A small program for the program-start tests: when started, it leaves a marker file next to
// itself, named as the program with ".started" in place of ".exe", holding the command line
// it was given. Written to a temporary name first and then renamed, so a waiting test never
// reads a half-written marker.
#include <windows.h>

#include <string>

int main() {
    char module[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 1;
    }
    std::string marker(module, length);
    const auto dot = marker.find_last_of('.');
    if (dot != std::string::npos && marker.find_first_of("\\/", dot) == std::string::npos) {
        marker.erase(dot);
    }
    const std::string partial = marker + ".partial";
    marker += ".started";

    const HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const char* commandLine = GetCommandLineA();
    const DWORD size = static_cast<DWORD>(std::string(commandLine).size());
    DWORD written = 0;
    const BOOL ok = WriteFile(file, commandLine, size, &written, nullptr) && written == size;
    CloseHandle(file);
    if (!ok || !MoveFileExA(partial.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return 1;
    }
    return 0;
}

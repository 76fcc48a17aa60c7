#pragma once

#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace kelvane::test {

// The program that leaves a marker when started (startmarker.exe, built next to the tests).
inline std::string StartMarkerProgram() {
    char module[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string folder(module, length);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "kelvane_startmarker.exe";
}

// Copies the marker program to `path`; returns the marker file its start will leave.
inline std::string CopyStartMarker(const std::string& path) {
    if (!CopyFileA(StartMarkerProgram().c_str(), path.c_str(), FALSE)) {
        throw std::runtime_error("can't copy " + StartMarkerProgram() + " to " + path);
    }
    return path.substr(0, path.find_last_of('.')) + ".started";
}

}  // namespace kelvane::test

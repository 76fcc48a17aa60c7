#pragma once

#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/widetext.h"
#include "tempfolder.h"

namespace kelvane::test {

// A program built next to the running test.
inline std::string TestProgram(const std::string& name) {
    std::vector<wchar_t> module(32768);
    const DWORD length =
        GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
    std::string folder = FromWide(std::wstring_view(module.data(), length));
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + name;
}

// The program that leaves a marker when started.
inline std::string StartMarkerProgram() {
    return TestProgram("kelvane_startmarker.exe");
}

// Copies the marker program to `path` (UTF-8); returns the marker file its start will leave.
inline std::string CopyStartMarker(const std::string& path) {
    std::error_code error;
    std::filesystem::copy_file(Utf8Path(StartMarkerProgram()), Utf8Path(path),
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        throw std::runtime_error("can't copy " + StartMarkerProgram() + " to " + path);
    }
    return path.substr(0, path.find_last_of('.')) + ".started";
}

}  // namespace kelvane::test

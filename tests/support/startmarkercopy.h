#pragma once

#include <windows.h>

#include <filesystem>
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

// Copies the program that leaves a marker when started to `path` (UTF-8); returns the marker
// file its start will leave.
inline std::string CopyStartMarker(const std::string& path) {
    std::filesystem::copy_file(Utf8Path(TestProgram("kelvane_startmarker.exe")), Utf8Path(path),
                               std::filesystem::copy_options::overwrite_existing);
    return path.substr(0, path.find_last_of('.')) + ".started";
}

}  // namespace kelvane::test

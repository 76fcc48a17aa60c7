// BRIDGE, Windows build only: stands in for opendocument.cpp, which is still written with Qt,
// until the toolkit-free document opener (its Win32 half calling ShellExecuteA) arrives. Remove
// this file, and its line in CMakeLists.txt, when that lands.
#include <windows.h>

#include "opendocument.h"

void OpenDocument(kelvane::Form& form, const std::string& document) {
    ShellExecuteA(reinterpret_cast<HWND>(form.NativeHandle()), "Open", document.c_str(), nullptr,
                  nullptr, SW_SHOWNORMAL);
}

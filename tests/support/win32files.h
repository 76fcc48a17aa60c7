#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "base/widetext.h"
#include "tempfolder.h"

namespace kelvane::test {

// The wide form of a UTF-8 name, as the program gives it to Windows.
inline std::wstring Wide(const std::string& utf8) {
    const auto wide = ToWide(utf8);
    if (!wide) {
        throw std::runtime_error("not UTF-8: " + utf8);
    }
    return *wide;
}

// Files made and read by their names in the ANSI code page, as programs that know no other
// spelling make them: the C runtime takes a narrow name so.
inline void WriteAnsiFile(const std::string& path, const std::string& bytes) {
    if (!(std::ofstream(path, std::ios::binary) << bytes)) {
        throw std::runtime_error("can't write " + path);
    }
}

inline std::string ReadAnsiFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Whether byte 0xE9 is one character of the ANSI code page (as in the Windows code pages
// 1250 to 1258), so names holding it can be made through the "A" functions.
inline bool AnsiCodePageIsSingleByte() {
    return GetACP() != CP_UTF8 && !IsDBCSLeadByte(0xE9);
}

// Holds a file open with no sharing, as a program that locks it does.
class LockedFile {
  public:
    explicit LockedFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {
        if (handle_ == INVALID_HANDLE_VALUE) {
            throw std::runtime_error("can't lock " + path);
        }
    }
    ~LockedFile() { CloseHandle(handle_); }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

  private:
    HANDLE handle_;
};

}  // namespace kelvane::test

#pragma once

#include <windows.h>

#include <filesystem>
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

inline void WriteUtf8File(const std::string& path, const std::string& bytes) {
    std::ofstream(Utf8Path(path), std::ios::binary) << bytes;
}

inline std::string ReadUtf8File(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Files made and read through the Win32 "A" functions, so that their names are spelt in the
// ANSI code page, as programs that know no other spelling make them.
inline void WriteAnsiFile(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("can't create " + path);
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) {
        throw std::runtime_error("can't write " + path);
    }
}

inline std::string ReadAnsiFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("can't open " + path);
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
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

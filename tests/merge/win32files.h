#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace kelvane::test {

// Files made and read through the Win32 "A" functions, so that names travel in the ANSI code
// page exactly as the program passes them.
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

// The path in the form the wide functions take past MAX_PATH.
inline std::wstring LongPath(const std::string& path) {
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

// Makes, in `folder`, a file whose full name is longer than the 8-bit functions take, so that
// it exists but can't be looked at through them; returns its name, without the folder.
inline std::string WriteLongNamedFile(const std::string& folder, const std::string& bytes) {
    const std::string name = std::string(250, 'n') + ".txt";
    const HANDLE file = CreateFileW(LongPath(folder + "\\" + name).c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const BOOL ok =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    if (!ok) {
        throw std::runtime_error("can't write a long-named file in " + folder);
    }
    return name;
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

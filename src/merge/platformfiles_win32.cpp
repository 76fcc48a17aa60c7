#include <windows.h>

#include "fileerror.h"
#include "platformfiles.h"

namespace kelvane {

namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
    throw FileError(std::string(what) + " " + path + ": error " + std::to_string(GetLastError()));
}

// The most one ReadFile or WriteFile call is asked to move.
constexpr std::size_t kMaxTransfer = 1u << 30;

// Whether a failed lookup means that nothing is there: the file or a folder on the way is
// missing, a file stands where a folder should, or the name can't be one of a file. Every other
// failure (access refused, a drive not ready, a sharing conflict) leaves open whether it exists.
bool NothingThere(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_NAME:
        case ERROR_DIRECTORY:
            return true;
        default:
            return false;
    }
}

// The identity of an open file; empty for a pipe or device: only files on disk have one.
std::optional<FileIdentity> IdentityOf(HANDLE handle, const std::string& path) {
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) {
        Fail("can't look up", path);
    }
    return FileIdentity{
        info.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

class Win32File : public PlatformFile {
  public:
    Win32File(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    ~Win32File() override {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    std::size_t Read(char* buffer, std::size_t size) override {
        DWORD done = 0;
        const DWORD ask = static_cast<DWORD>(size < kMaxTransfer ? size : kMaxTransfer);
        if (!ReadFile(handle_, buffer, ask, &done, nullptr)) {
            if (GetLastError() == ERROR_BROKEN_PIPE) {
                return 0;
            }
            Fail("can't read", path_);
        }
        return done;
    }

    void Write(const char* data, std::size_t size) override {
        while (size > 0) {
            DWORD done = 0;
            const DWORD ask = static_cast<DWORD>(size < kMaxTransfer ? size : kMaxTransfer);
            if (!WriteFile(handle_, data, ask, &done, nullptr)) {
                Fail("can't write", path_);
            }
            if (done == 0) {
                SetLastError(ERROR_WRITE_FAULT);
                Fail("can't write", path_);
            }
            data += done;
            size -= done;
        }
    }

    void Close() override {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (handle != INVALID_HANDLE_VALUE && !CloseHandle(handle)) {
            Fail("can't close", path_);
        }
    }

    std::optional<FileIdentity> Identity() override { return IdentityOf(handle_, path_); }

    bool Truncate(std::uint64_t size) override {
        if (GetFileType(handle_) != FILE_TYPE_DISK) {
            return false;
        }
        LARGE_INTEGER position{};
        position.QuadPart = static_cast<LONGLONG>(size);
        if (!SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_)) {
            Fail("can't cut", path_);
        }
        return true;
    }

  private:
    HANDLE handle_;
    std::string path_;
};

class Win32Files : public PlatformFiles {
  public:
    bool IsFile(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            if (NothingThere(GetLastError())) {
                return false;
            }
            Fail("can't look up", path);
        }
        return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    std::optional<FileIdentity> Identity(const std::string& path) override {
        // No access asked: only the file's information is read. Backup semantics let a
        // folder be opened too.
        const HANDLE handle =
            CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (NothingThere(GetLastError())) {
                return std::nullopt;
            }
            Fail("can't look up", path);
        }
        try {
            const auto identity = IdentityOf(handle, path);
            CloseHandle(handle);
            return identity;
        } catch (...) {
            CloseHandle(handle);
            throw;
        }
    }

    std::unique_ptr<PlatformFile> Open(const std::string& path, Access access,
                                       bool create) override {
        DWORD desired = 0;
        DWORD disposition = 0;
        if (access == Access::Read) {
            desired = GENERIC_READ;
            disposition = create ? OPEN_ALWAYS : OPEN_EXISTING;
        } else {
            desired = GENERIC_WRITE;
            disposition = create ? OPEN_ALWAYS : OPEN_EXISTING;
        }
        const HANDLE handle =
            CreateFileA(path.c_str(), desired, FILE_SHARE_READ, nullptr, disposition,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            Fail("can't open", path);
        }
        try {
            return std::make_unique<Win32File>(handle, path);
        } catch (...) {
            CloseHandle(handle);
            throw;
        }
    }
};

}  // namespace

PlatformFiles& NativeFiles() {
    static Win32Files files;
    return files;
}

}  // namespace kelvane

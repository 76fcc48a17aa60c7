#include <windows.h>
#include <winternl.h>

#include <string_view>

#include "base/widetext.h"
#include "fileerror.h"
#include "folderlookup.h"
#include "platformfiles.h"

namespace kelvane {

namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
    throw FileError(std::string(what) + " " + path + ": error " + std::to_string(GetLastError()));
}

// The path as the wide functions take it. A text that isn't exactly UTF-8 is refused: spelt
// some other way, it could reach another file.
std::wstring Wide(const std::string& path) {
    std::optional<std::wstring> wide = ToWide(path);
    if (!wide) {
        throw FileError("not a name Windows can be given exactly: " + path);
    }
    return std::move(*wide);
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

// A handle closed when it goes.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (Valid()) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

// Opens what the path names, links followed, only to look at it: with no access asked, a file
// that another program holds locked opens too; backup semantics let a folder be opened.
Handle OpenToLook(const std::string& path, DWORD access = 0) {
    return Handle(CreateFileW(Wide(path).c_str(), access,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// What an open handle is; no identity for a pipe or device: only files on disk have one.
FileStatus StatusOf(HANDLE handle, const std::string& path) {
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        return {};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) {
        Fail("can't look up", path);
    }
    return {
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
        FileIdentity{info.dwVolumeSerialNumber,
                     (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow}};
}

// The file index of an open file, as the system's native API gives it: the part of its
// identity that is quick to find (the volume's serial number can take far longer). Empty where
// that API isn't there.
std::optional<std::uint64_t> QuickIndex(HANDLE handle) {
    using Query = decltype(&NtQueryInformationFile);
    static const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
    constexpr auto kFileInternalInformation = static_cast<FILE_INFORMATION_CLASS>(6);
    IO_STATUS_BLOCK status{};
    LARGE_INTEGER index{};
    if (query == nullptr ||
        query(handle, &status, &index, sizeof index, kFileInternalInformation) < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(index.QuadPart);
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

    std::size_t Write(const char* data, std::size_t size) override {
        DWORD done = 0;
        const DWORD ask = static_cast<DWORD>(size < kMaxTransfer ? size : kMaxTransfer);
        if (!WriteFile(handle_, data, ask, &done, nullptr)) {
            Fail("can't write", path_);
        }
        if (done == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            Fail("can't write", path_);
        }
        return done;
    }

    void Close() override {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (handle != INVALID_HANDLE_VALUE && !CloseHandle(handle)) {
            Fail("can't close", path_);
        }
    }

    std::optional<FileIdentity> Identity() override {
        if (!status_) {
            status_ = StatusOf(handle_, path_);
        }
        return status_->identity;
    }

    bool Is(const FileIdentity& identity) override {
        if (!status_) {
            if (const auto index = QuickIndex(handle_); index && *index != identity.index) {
                return false;
            }
        }
        return Identity() == identity;
    }

    bool Truncate(std::uint64_t size) override {
        if (GetFileType(handle_) != FILE_TYPE_DISK) {
            return false;
        }
        LARGE_INTEGER length{};
        LARGE_INTEGER position{};
        position.QuadPart = static_cast<LONGLONG>(size);
        if (!GetFileSizeEx(handle_, &length) ||
            !SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN)) {
            Fail("can't cut", path_);
        }
        // A file of that length already is left as it is, so that its time stamps stay.
        if (length.QuadPart != position.QuadPart && !SetEndOfFile(handle_)) {
            Fail("can't cut", path_);
        }
        return true;
    }

  private:
    HANDLE handle_;
    std::string path_;
    std::optional<FileStatus> status_;  // once looked up
};

// Whether a name can only be found in a listing as an entry of that exact name: no separator
// or stream, nothing Windows drops when it opens a name (trailing dots and spaces), and a
// name that can be given to Windows at all.
bool Listable(std::string_view name) {
    return name.find_first_of("\\/:") == std::string_view::npos && name.back() != '.' &&
           name.back() != ' ' && ToWide(name).has_value();
}

class Win32Files : public PlatformFiles {
  public:
    bool IsFile(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            if (NothingThere(GetLastError())) {
                return false;
            }
            Fail("can't look up", path);
        }
        return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    std::optional<FileStatus> LookUp(const std::string& path) override {
        const Handle handle = OpenToLook(path);
        if (!handle.Valid()) {
            if (NothingThere(GetLastError())) {
                return std::nullopt;
            }
            Fail("can't look up", path);
        }
        return StatusOf(handle.Get(), path);
    }

    std::unique_ptr<PlatformFolder> Folder(const std::string& folder) override;

    std::unique_ptr<PlatformFile> Open(const std::string& path, Access access,
                                       bool create) override {
        const DWORD desired = access == Access::Read ? GENERIC_READ : GENERIC_WRITE;
        const DWORD disposition = create ? OPEN_ALWAYS : OPEN_EXISTING;
        const HANDLE handle =
            CreateFileW(Wide(path).c_str(), desired, FILE_SHARE_READ, nullptr, disposition,
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

// A folder whose names are reached by their full paths, as the wide functions take no folder to
// start from; looked up together from the folder's listing.
class Win32Folder : public JoinedFolder {
  public:
    using JoinedFolder::JoinedFolder;

    std::vector<std::optional<FileStatus>> LookUp(const std::vector<std::string>& names) override {
        FolderLookup lookup(files_, folder_, names, Listable);
        if (lookup.Wanted()) {
            List(folder_.empty() ? std::string(".") : folder_, lookup);
        }
        return lookup.Finish();
    }

  private:
    // Reads the folder's listing into `lookup`, with each entry's file index. Links (reparse
    // points) are left to be looked up by name, which follows them.
    static void List(const std::string& folder, FolderLookup& lookup) {
        const Handle dir = OpenToLook(folder, FILE_LIST_DIRECTORY);
        BY_HANDLE_FILE_INFORMATION info{};
        if (!dir.Valid() || !GetFileInformationByHandle(dir.Get(), &info)) {
            return;  // the lookups by name tell why
        }
        constexpr std::size_t kBufferWords = 8192;
        const auto buffer = std::make_unique<LONGLONG[]>(kBufferWords);  // aligned for entries
        FILE_INFO_BY_HANDLE_CLASS part = FileIdBothDirectoryRestartInfo;
        while (GetFileInformationByHandleEx(dir.Get(), part, buffer.get(),
                                            kBufferWords * sizeof(LONGLONG))) {
            part = FileIdBothDirectoryInfo;
            const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer.get());
            for (;;) {
                std::optional<FileStatus> status;
                if (!(entry->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                    status = FileStatus{
                        (entry->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                        FileIdentity{info.dwVolumeSerialNumber,
                                     static_cast<std::uint64_t>(entry->FileId.QuadPart)}};
                }
                const std::wstring_view name(entry->FileName,
                                             entry->FileNameLength / sizeof(WCHAR));
                if (!lookup.Take(FromWide(name), status)) {
                    return;
                }
                if (entry->NextEntryOffset == 0) {
                    break;
                }
                entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(
                    reinterpret_cast<const char*>(entry) + entry->NextEntryOffset);
            }
        }
    }
};

std::unique_ptr<PlatformFolder> Win32Files::Folder(const std::string& folder) {
    return std::make_unique<Win32Folder>(*this, folder);
}

}  // namespace

PlatformFiles& NativeFiles() {
    static Win32Files files;
    return files;
}

}  // namespace kelvane

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cstring>
#include <string_view>

#include "fileerror.h"
#include "folderlookup.h"
#include "platformfiles.h"

namespace kelvane {

namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
    throw FileError(std::string(what) + " " + path + ": " + std::strerror(errno));
}

FileIdentity IdentityOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

FileStatus StatusOf(const struct stat& info) {
    return {S_ISDIR(info.st_mode), IdentityOf(info)};
}

// Looks the path up, links followed. False when nothing is there: the path, or a folder on the
// way, is missing, or a file stands where a folder should. Every other failure (a folder that
// may not be entered, a loop of links, an input/output error) raises, as the file may exist.
bool Look(const std::string& path, struct stat& info) {
    if (::stat(path.c_str(), &info) == 0) {
        return true;
    }
    if (errno == ENOENT || errno == ENOTDIR) {
        return false;
    }
    Fail("can't look up", path);
}

// By default a write past the file-size limit, or into a pipe whose reader has gone, ends the
// program with a signal. Ignored, the write fails like any other, and the run reports it.
void IgnoreSignalIfDefault(int number) {
    struct sigaction action {};
    if (::sigaction(number, nullptr, &action) == 0 && action.sa_handler == SIG_DFL) {
        action.sa_handler = SIG_IGN;
        ::sigaction(number, &action, nullptr);
    }
}

class PosixFile : public PlatformFile {
  public:
    // `info` is what fstat gave for `fd` when it was opened.
    PosixFile(int fd, std::string path, const struct stat& info)
        : fd_(fd),
          path_(std::move(path)),
          identity_(IdentityOf(info)),
          knownSize_(S_ISREG(info.st_mode) ? info.st_size : 0) {}
    ~PosixFile() override {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    std::size_t Read(char* buffer, std::size_t size) override {
        if (atKnownEnd_) {
            return 0;
        }
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, size);
            if (n >= 0) {
                // A file that has handed out, in a read shorter than asked, the length it had
                // when it was opened is at its end: the read that would return nothing is saved,
                // one in three system calls for a file of a few lines. (Files of the system's
                // own, which give no length, read on until that empty read.)
                read_ += n;
                atKnownEnd_ =
                    static_cast<std::size_t>(n) < size && knownSize_ > 0 && read_ == knownSize_;
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) {
                Fail("can't read", path_);
            }
        }
    }

    std::size_t Write(const char* data, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::write(fd_, data, size);
            if (n > 0) {
                return static_cast<std::size_t>(n);
            }
            if (n == 0) {
                errno = EIO;
            } else if (errno == EINTR) {
                continue;
            }
            Fail("can't write", path_);
        }
    }

    void Close() override {
        const int fd = fd_;
        fd_ = -1;
        if (fd >= 0 && ::close(fd) != 0 && errno != EINTR) {
            Fail("can't close", path_);
        }
    }

    std::optional<FileIdentity> Identity() override { return identity_; }

    bool InMemory() override {
        struct statfs system {};
        return ::fstatfs(fd_, &system) == 0 &&
               (system.f_type == TMPFS_MAGIC || system.f_type == RAMFS_MAGIC);
    }

    bool Truncate(std::uint64_t size) override {
        struct stat info {};
        if (::fstat(fd_, &info) != 0) {
            Fail("can't look up", path_);
        }
        if (!S_ISREG(info.st_mode)) {
            return false;
        }
        // A file of that length already is left as it is, so that its time stamps stay: some
        // file systems also take cutting a file to nothing as a sign it is being replaced, and
        // write it out in full on closing.
        const auto length = static_cast<off_t>(size);
        if (info.st_size != length) {
            int result;
            do {
                result = ::ftruncate(fd_, length);
            } while (result != 0 && errno == EINTR);
            if (result != 0) {
                Fail("can't cut", path_);
            }
        }
        if (::lseek(fd_, length, SEEK_SET) != length) {
            Fail("can't cut", path_);
        }
        return true;
    }

  private:
    int fd_;
    std::string path_;
    FileIdentity identity_;
    off_t knownSize_;  // of a regular file, when it was opened
    off_t read_ = 0;
    bool atKnownEnd_ = false;
};

// Opened without blocking, so that a pipe or device named like a file can't freeze the run at
// its opening: a pipe no program writes to reads as empty, and one no program reads from refuses
// to open. Reads and writes then block as usual.
constexpr int kOpenFlags = O_CLOEXEC | O_NONBLOCK;

// Takes over the descriptor `open` gave for the path, or raises its failure.
std::unique_ptr<PlatformFile> Adopt(int fd, const std::string& path) {
    if (fd < 0) {
        Fail("can't open", path);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        Fail("can't open", path);
    }
    auto file = std::make_unique<PosixFile>(fd, path, info);
    // Reading a folder opens on this platform; it is refused like everywhere else.
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        Fail("can't open", path);
    }
    // Waiting matters only where there can be something to wait for: not in a file.
    if (!S_ISREG(info.st_mode)) {
        const int status = ::fcntl(fd, F_GETFL);
        if (status == -1 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) == -1) {
            Fail("can't open", path);
        }
    }
    return file;
}

#ifdef O_PATH
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;  // no right to list it needed
#else
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

// A folder held by a descriptor, its names opened relative to it. Where it can't be held, its
// names are reached by their full paths, which tell why.
class PosixFolder : public PlatformFolder {
  public:
    PosixFolder(PlatformFiles& files, std::string folder)
        : files_(files), folder_(std::move(folder)) {
        do {
            fd_ = ::open(folder_.empty() ? "." : folder_.c_str(), kFolderFlags);
        } while (fd_ < 0 && errno == EINTR);
    }
    ~PosixFolder() override {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    PosixFolder(const PosixFolder&) = delete;
    PosixFolder& operator=(const PosixFolder&) = delete;

    std::vector<std::optional<FileStatus>> LookUp(const std::vector<std::string>& names) override {
        FolderLookup lookup(files_, folder_, names, [](std::string_view name) {
            return name.find('/') == std::string_view::npos;
        });
        DIR* const dir =
            lookup.Wanted() ? ::opendir(folder_.empty() ? "." : folder_.c_str()) : nullptr;
        struct stat info {};
        if (dir != nullptr && ::fstat(::dirfd(dir), &info) == 0) {
            // Links are left to be looked up by name, as is every entry of a kind not told.
            while (const dirent* const entry = ::readdir(dir)) {
                std::optional<FileStatus> status;
                if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) {
                    status = FileStatus{
                        entry->d_type == DT_DIR,
                        FileIdentity{static_cast<std::uint64_t>(info.st_dev), entry->d_ino}};
                }
                if (!lookup.Take(entry->d_name, status)) {
                    break;
                }
            }
        }
        if (dir != nullptr) {
            ::closedir(dir);
        }
        return lookup.Finish();
    }

    std::unique_ptr<PlatformFile> Open(const std::string& name) override {
        // An empty name, or one from the root, is no name in the folder.
        if (fd_ < 0 || name.empty() || name.front() == '/') {
            return files_.Open(folder_ + name, PlatformFiles::Access::Read, false);
        }
        int fd;
        do {
            fd = ::openat(fd_, name.c_str(), kOpenFlags | O_RDONLY);
        } while (fd < 0 && errno == EINTR);
        return Adopt(fd, folder_ + name);
    }

  private:
    PlatformFiles& files_;
    std::string folder_;
    int fd_ = -1;
};

class PosixFiles : public PlatformFiles {
  public:
    PosixFiles() {
        IgnoreSignalIfDefault(SIGPIPE);
        IgnoreSignalIfDefault(SIGXFSZ);
    }

    bool IsFile(const std::string& path) override {
        struct stat info {};
        return Look(path, info) && !S_ISDIR(info.st_mode);
    }

    std::optional<FileStatus> LookUp(const std::string& path) override {
        struct stat info {};
        if (!Look(path, info)) {
            return std::nullopt;
        }
        return StatusOf(info);
    }

    std::unique_ptr<PlatformFile> Open(const std::string& path, Access access,
                                       bool create) override {
        int flags = kOpenFlags | (access == Access::Read ? O_RDONLY : O_WRONLY);
        if (create) {
            flags |= O_CREAT;
        }
        int fd;
        do {
            fd = ::open(path.c_str(), flags, 0666);
        } while (fd < 0 && errno == EINTR);
        return Adopt(fd, path);
    }

    std::unique_ptr<PlatformFolder> Folder(const std::string& folder) override {
        return std::make_unique<PosixFolder>(*this, folder);
    }
};

}  // namespace

PlatformFiles& NativeFiles() {
    static PosixFiles files;
    return files;
}

}  // namespace kelvane

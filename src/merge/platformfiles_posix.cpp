#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "fileerror.h"
#include "platformfiles.h"

namespace kelvane {

namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
    throw FileError(std::string(what) + " " + path + ": " + std::strerror(errno));
}

class PosixFile : public PlatformFile {
  public:
    PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~PosixFile() override {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    std::size_t Read(char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, size);
            if (n >= 0) {
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) {
                Fail("can't read", path_);
            }
        }
    }

    void Write(const char* data, std::size_t size) override {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                Fail("can't write", path_);
            }
            if (n == 0) {
                errno = EIO;
                Fail("can't write", path_);
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }

    void Close() override {
        const int fd = fd_;
        fd_ = -1;
        if (fd >= 0 && ::close(fd) != 0 && errno != EINTR) {
            Fail("can't close", path_);
        }
    }

  private:
    int fd_;
    std::string path_;
};

class PosixFiles : public PlatformFiles {
  public:
    bool IsFile(const std::string& path) override {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
    }

    std::optional<FileIdentity> Identity(const std::string& path) override {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) {
            return std::nullopt;
        }
        return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                            static_cast<std::uint64_t>(info.st_ino)};
    }

    std::unique_ptr<PlatformFile> Open(const std::string& path, Access access,
                                       bool create) override {
        // Opened without blocking, so that a pipe or device named like a file can't freeze the
        // run at its opening: a pipe no program writes to reads as empty, and one no program
        // reads from refuses to open. Reads and writes then block as usual.
        int flags =
            O_CLOEXEC | O_NONBLOCK | (access == Access::Read ? O_RDONLY : O_WRONLY | O_TRUNC);
        if (create) {
            flags |= O_CREAT;
        }
        int fd;
        do {
            fd = ::open(path.c_str(), flags, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            Fail("can't open", path);
        }
        auto file = std::make_unique<PosixFile>(fd, path);
        // Reading a folder opens on this platform; it is refused like everywhere else.
        struct stat info {};
        if (::fstat(fd, &info) != 0) {
            Fail("can't open", path);
        }
        if (S_ISDIR(info.st_mode)) {
            errno = EISDIR;
            Fail("can't open", path);
        }
        const int status = ::fcntl(fd, F_GETFL);
        if (status == -1 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) == -1) {
            Fail("can't open", path);
        }
        return file;
    }
};

}  // namespace

PlatformFiles& NativeFiles() {
    static PosixFiles files;
    return files;
}

}  // namespace kelvane

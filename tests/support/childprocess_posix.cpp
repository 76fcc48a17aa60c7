#include <errno.h>
#include <grp.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>
#include <system_error>

#include "childprocess.h"

namespace kelvane::test {

namespace {

// The exit code of a child that could not give up root's rights.
constexpr int kCantDrop = 3;

void Send(int fd, const std::string& text) {
    const std::string record = std::to_string(text.size()) + ":" + text;
    for (std::size_t done = 0; done < record.size();) {
        const ssize_t n = ::write(fd, record.data() + done, record.size() - done);
        if (n < 0 && errno != EINTR) {
            _exit(2);
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
}

// In the child: runs the body with the results of its checks caught, sends every failure
// (file, line, message) to the parent, and leaves without running anything of the parent's.
[[noreturn]] void RunAndReport(int fd, const std::function<void()>& body) {
    testing::TestPartResultArray results;
    {
        const testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &results);
        try {
            body();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "exception in the child: " << e.what();
        }
    }
    for (int i = 0; i < results.size(); ++i) {
        const testing::TestPartResult& result = results.GetTestPartResult(i);
        if (result.failed()) {
            Send(fd, result.file_name() != nullptr ? result.file_name() : "");
            Send(fd, std::to_string(result.line_number()));
            Send(fd, result.message());
        }
    }
    _exit(0);
}

// Reads one record; false at the end of the data.
bool Receive(FILE* in, std::string& text) {
    std::size_t size = 0;
    if (std::fscanf(in, "%zu:", &size) != 1) {
        return false;
    }
    text.assign(size, '\0');
    return std::fread(text.data(), 1, size, in) == size;
}

// Forks; the child runs `child` with the writing end of a pipe. The parent turns what comes
// through the pipe into failures of the running test and returns the child's wait status.
int Fork(const std::function<void(int)>& child) {
    int fds[2];
    if (::pipe(fds) != 0) {
        ADD_FAILURE() << "can't make a pipe";
        return -1;
    }
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        child(fds[1]);
        _exit(0);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        ADD_FAILURE() << "can't fork";
        return -1;
    }
    FILE* in = ::fdopen(fds[0], "r");
    std::string file;
    std::string line;
    std::string message;
    while (Receive(in, file) && Receive(in, line) && Receive(in, message)) {
        ADD_FAILURE_AT(file.empty() ? "(child)" : file.c_str(), std::stoi(line)) << message;
    }
    std::fclose(in);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

void ExpectNormalExit(int status) {
    if (WIFSIGNALED(status)) {
        ADD_FAILURE() << "the child died of signal " << WTERMSIG(status);
    } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ADD_FAILURE() << "the child ended with wait status " << status;
    }
}

void GiveTo(const std::filesystem::path& path, uid_t user, gid_t group) {
    if (::lchown(path.c_str(), user, group) != 0) {
        _exit(kCantDrop);
    }
    std::error_code error;
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path, error))) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error)) {
            if (::lchown(entry.path().c_str(), user, group) != 0) {
                _exit(kCantDrop);
            }
        }
    }
}

}  // namespace

void RunInChild(const std::function<void()>& body) {
    ExpectNormalExit(Fork([&](int fd) { RunAndReport(fd, body); }));
}

bool RunUnprivileged(const std::vector<std::filesystem::path>& owned,
                     const std::function<void()>& body) {
    if (::geteuid() != 0) {
        body();
        return true;
    }
    const passwd* nobody = ::getpwnam("nobody");
    const uid_t user = nobody != nullptr ? nobody->pw_uid : 65534;
    const gid_t group = nobody != nullptr ? nobody->pw_gid : 65534;
    const int status = Fork([&](int fd) {
        for (const auto& path : owned) {
            GiveTo(path, user, group);
        }
        if (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0 ||
            ::geteuid() == 0) {
            _exit(kCantDrop);
        }
        RunAndReport(fd, body);
    });
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCantDrop) {
        return false;
    }
    ExpectNormalExit(status);
    return true;
}

}  // namespace kelvane::test

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

#include "childprocess.h"

namespace kelvane::test {

namespace {

// The exit code of a child that could not give up root's rights.
constexpr int kCantDrop = 3;

// In the child: runs the body with the results of its checks caught, writes every failure to
// `fd` as "file:line: message", each ended by a zero byte, and leaves at once.
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
    std::string report;
    for (int i = 0; i < results.size(); ++i) {
        const testing::TestPartResult& result = results.GetTestPartResult(i);
        if (result.failed()) {
            report += std::string(result.file_name() != nullptr ? result.file_name() : "(child)") +
                      ':' + std::to_string(result.line_number()) + ": " + result.message() + '\0';
        }
    }
    for (std::size_t done = 0; done < report.size();) {
        const ssize_t n = ::write(fd, report.data() + done, report.size() - done);
        if (n < 0 && errno != EINTR) {
            _exit(2);
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    _exit(0);
}

// Forks; the child runs `child` with the writing end of a pipe. The parent turns each failure
// reported through the pipe into a failure of the running test and returns the wait status.
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
    std::string report;
    char buffer[4096];
    for (ssize_t n = 1; pid > 0 && (n > 0 || (n < 0 && errno == EINTR));) {
        n = ::read(fds[0], buffer, sizeof buffer);
        report.append(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    ::close(fds[0]);
    int status = -1;
    while (pid > 0 && ::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    for (std::size_t at = 0, end; (end = report.find('\0', at)) != std::string::npos;
         at = end + 1) {
        ADD_FAILURE() << report.substr(at, end - at);
    }
    return status;
}

void ExpectNormalExit(int status) {
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ADD_FAILURE() << "the child ended abnormally, wait status " << status;
    }
}

// In the child: hands the path, and everything in it, to the user.
void GiveTo(const std::filesystem::path& path, uid_t user, gid_t group) {
    std::error_code error;
    bool ok = ::lchown(path.c_str(), user, group) == 0;
    for (auto it = std::filesystem::recursive_directory_iterator(path, error);
         ok && it != std::filesystem::recursive_directory_iterator(); ++it) {
        ok = ::lchown(it->path().c_str(), user, group) == 0;
    }
    if (!ok) {
        _exit(kCantDrop);
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
    if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == kCantDrop) {
        return false;
    }
    ExpectNormalExit(status);
    return true;
}

}  // namespace kelvane::test

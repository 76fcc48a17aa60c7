#include <errno.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>

#include "childprocess.h"

namespace kelvane::test {

namespace {

// The exit code of a child that could not give up root's rights.
constexpr int kCantDrop = 3;

// In the child: runs the body, whose failures the child's own test output shows, and leaves
// at once, telling by its exit status whether any check failed.
[[noreturn]] void RunAndExit(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "exception in the child: " << e.what();
    }
    std::fflush(nullptr);
    _exit(testing::Test::HasFailure() ? 1 : 0);
}

// Forks; the child runs `child`. Returns the child's wait status.
int Fork(const std::function<void()>& child) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        child();
        _exit(0);
    }
    int status = -1;
    while (pid > 0 && ::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

void ExpectNormalExit(int status) {
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ADD_FAILURE() << "the child failed its checks (above) or ended abnormally, wait status "
                      << status;
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
    ExpectNormalExit(Fork([&] { RunAndExit(body); }));
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
    const int status = Fork([&] {
        for (const auto& path : owned) {
            GiveTo(path, user, group);
        }
        if (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0 ||
            ::geteuid() == 0) {
            _exit(kCantDrop);
        }
        RunAndExit(body);
    });
    if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == kCantDrop) {
        return false;
    }
    ExpectNormalExit(status);
    return true;
}

}  // namespace kelvane::test

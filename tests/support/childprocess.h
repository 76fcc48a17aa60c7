#pragma once

#include <filesystem>
#include <functional>
#include <vector>

namespace kelvane::test {

// Runs `body` in a child process; the failures of its checks, which the child's output shows,
// or a child that dies, fail the running test. What the body changes in memory stays in the child.
// POSIX systems only.
void RunInChild(const std::function<void()>& body);

// Runs `body` as an unprivileged user, so that file permissions hold even when the tests run as
// root (as they do in CI): there, in a child that first hands `owned` (with everything in it)
// to the user "nobody" and then takes its identity. Without root rights the body runs here.
// False, with nothing run, when root's rights can't be given up, and always on Windows.
bool RunUnprivileged(const std::vector<std::filesystem::path>& owned,
                     const std::function<void()>& body);

}  // namespace kelvane::test

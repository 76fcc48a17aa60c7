#pragma once

#include <chrono>
#include <filesystem>
#include <thread>

namespace kelvane::test {

// Whether a file shows up, written by a program started on its own. Gives up after a generous
// wait so that a program that never runs fails the test instead of hanging it.
inline bool WaitForFile(const std::filesystem::path& file) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < giveUp) {
        if (std::filesystem::exists(file)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

}  // namespace kelvane::test

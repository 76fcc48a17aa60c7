// What the benchmarks share: timing a piece of work, the median of their turns, and the folder
// their files go in.
#pragma once

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>

namespace kelvane {

// The wall time the work takes, in seconds.
inline double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The median of a benchmark's turns: the figure each benchmark compares, steadier than the mean
// on a shared machine.
inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// A folder in memory where the system offers one (/dev/shm; none on Windows), where no disk
// hides what the program costs; else the temporary folder.
inline std::filesystem::path MemoryFolder() {
#ifndef _WIN32
    if (std::filesystem::is_directory("/dev/shm")) {
        return "/dev/shm";
    }
#endif
    return std::filesystem::temp_directory_path();
}

}  // namespace kelvane

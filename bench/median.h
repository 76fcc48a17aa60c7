// The median of a benchmark's turns: the figure each benchmark compares, steadier than the mean
// on a shared machine.
#pragma once

#include <algorithm>
#include <vector>

namespace kelvane {

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace kelvane

#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kelvane::test {

// A parameterised case's name in the tests' report: the name of its row, or of the maker of what
// it runs on.
template <typename Param>
std::string ParamName(const testing::TestParamInfo<Param>& info) {
    return info.param.name;
}

}  // namespace kelvane::test

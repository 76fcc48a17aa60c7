#pragma once

#include <string_view>

namespace kelvane {

// The order a file manager shows names in: ASCII letters compared without regard to case, and
// runs of digits compared as numbers, so "part2" comes before "part10". Names that differ only
// in case or in leading zeros are still told apart, so the order is strict and total.
bool NaturalLess(std::string_view a, std::string_view b);

}  // namespace kelvane

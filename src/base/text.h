#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Text rules shared by the windows. Texts are 8-bit strings and are never re-encoded.

// Removes space characters (only ' ', not tabs or line ends) from both ends.
std::string Trim(std::string_view text);

// Upper-cases the ASCII letters a-z; every other byte is kept as it is.
std::string UCase(std::string_view text);

}  // namespace kelvane

#pragma once

#include <string>
#include <vector>

namespace kelvane {

// The full path of the first of `programs` found as an executable file in one of the folders
// of `folderList` (folders separated by ':'); programs are tried in the order given, each in
// every folder. Folders given relatively are passed over. Empty when none is found. For
// POSIX systems, whose program search list this is.
std::string FindOnPath(const std::vector<std::string>& programs, const std::string& folderList);

}  // namespace kelvane

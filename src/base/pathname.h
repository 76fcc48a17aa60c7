#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// The folder separator of the platform the program runs on.
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

// The extension of the path's last component, without the dot; empty when the last component
// has no dot. "backup.tar.gz" gives "gz", "README" gives "".
std::string GetExtensionName(std::string_view path);

// The full name of `name` in `folder`: the folder exactly as given, a separator added unless it
// already ends with one (a drive's top folder), then the name untouched. An empty folder gives
// the name alone. Nothing is trimmed: the folder comes from the folder list, not from typing, and
// where names may end in a space ("data " beside "data") trimming would name another folder.
std::string JoinFolder(std::string_view folder, std::string_view name);

}  // namespace kelvane

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

// The full name of `name` in `folder`: the folder trimmed of spaces, a separator added unless
// it already ends with one (a drive's top folder), then the name untouched. An empty or
// all-blank folder gives the name alone.
std::string JoinFolder(std::string_view folder, std::string_view name);

}  // namespace kelvane

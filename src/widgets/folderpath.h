#pragma once

#include <string>
#include <vector>

namespace kelvane {

// The platform's rules for the paths a folder list shows: where a path starts (the root, a
// drive's top folder, a network share) and how its folders are told apart ("/" or "\").

// The full path of `path` as a folder list opens it: absolute (a relative path is taken from the
// process's current folder), without "." or "..", and without a trailing separator except the
// top folder's. Raises WidgetError for an empty path or one that can't be resolved.
std::string NormalFolder(const std::string& path);

// One folder on the way down to an open folder: its full path and the name a folder list shows.
struct FolderStep {
    std::string path;
    std::string name;
};

// The folders from the top one down to `folder`, a NormalFolder, the top one named by its full
// path ("/", "C:\"), each other by its own name.
std::vector<FolderStep> FolderChain(const std::string& folder);

// Whether `path` is `folder` or lies inside it, both full paths, by the platform's spelling of
// paths (on Windows without regard to case).
bool FolderHolds(const std::string& folder, const std::string& path);

// The full path of `name` in `folder`.
std::string InFolder(const std::string& folder, const std::string& name);

}  // namespace kelvane

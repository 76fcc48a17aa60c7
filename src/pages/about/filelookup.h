#pragma once

#include <string>

namespace kelvane {

// Looks a path up as a plain file.
class FileLookup {
  public:
    virtual ~FileLookup() = default;

    // The file's name (without its folder) when a file that is neither hidden, a system file
    // nor a folder exists at `path`; otherwise the empty text.
    virtual std::string PlainFileName(const std::string& path) = 0;
};

}  // namespace kelvane

#pragma once

#include <string>

#include "pages/about/filelookup.h"

namespace kelvane {

// The plain-file lookup of the file system the program runs on.
class SystemFileLookup : public FileLookup {
  public:
    std::string PlainFileName(const std::string& path) override;
};

}  // namespace kelvane

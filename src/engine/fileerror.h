#pragma once

#include <stdexcept>

namespace kelvane {

// Raised by the file services when a file operation fails.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace kelvane

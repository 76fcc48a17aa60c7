#pragma once

#include <stdexcept>

namespace kelvane {

// Raised by the platform's files and the streams over them when a file operation fails.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace kelvane

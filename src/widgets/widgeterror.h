#pragma once

#include <stdexcept>

namespace kelvane {

// Raised by a widget when an operation can't be carried out: an index outside the list,
// or a folder or file list pointed at a folder it can't read. The caller handles it by its
// own failure policy.
class WidgetError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace kelvane

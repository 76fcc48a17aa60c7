#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// Raised by a widget when an operation can't be carried out: an index outside the list,
// or a folder or file list pointed at a folder it can't read. The caller handles it by its
// own failure policy.
class WidgetError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raises WidgetError for an index outside 0 ... count - 1 of a list; `list` names it.
inline void CheckIndex(int index, int count, const char* list) {
    if (index < 0 || index >= count) {
        throw WidgetError(std::string(list) + " index " + std::to_string(index) + " out of range");
    }
}

}  // namespace kelvane

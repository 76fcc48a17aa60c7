#pragma once

#include <optional>
#include <string>

namespace kelvane {

// Says where the platform's system-information program is.
class SysInfoLocator {
  public:
    virtual ~SysInfoLocator() = default;

    // The program to start, looked up afresh at every call; none when the platform records or
    // installs none. A failure on the way is raised to the caller.
    virtual std::optional<std::string> LocateSysInfo() = 0;
};

}  // namespace kelvane

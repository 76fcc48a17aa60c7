#pragma once

#include <cstdint>
#include <string>

#include "about/registry.h"

namespace kelvane {

// The Windows registry, through the advapi32 functions RegOpenKeyExA, RegQueryValueExA and
// RegCloseKey.
class Win32Registry : public Registry {
  public:
    std::int32_t OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegKey& result) override;
    std::int32_t QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                              unsigned char* data, std::uint32_t& dataSize) override;
    std::int32_t CloseKey(RegKey key) override;
};

}  // namespace kelvane

#pragma once

#include <cstdint>
#include <string>

#include "pages/about/registry.h"

namespace kelvane {

// The Windows registry, through the advapi32 functions RegOpenKeyExW, RegQueryValueExW and
// RegCloseKey. Names are UTF-8 and are refused when they aren't exactly that. Text values
// (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) are handed on in UTF-8, and their size is the size of
// that UTF-8, which must fit the buffer given; other values come as the registry keeps them.
class Win32Registry : public Registry {
  public:
    std::int32_t OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegKey& result) override;
    std::int32_t QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                              unsigned char* data, std::uint32_t& dataSize) override;
    std::int32_t CloseKey(RegKey key) override;
};

}  // namespace kelvane

#include <windows.h>

#include "win32registry.h"

namespace kelvane {

namespace {

HKEY Handle(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

std::int32_t Win32Registry::OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                                      std::uint32_t access, RegKey& result) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(Handle(root), subKey.c_str(), options, access, &key);
    if (status == ERROR_SUCCESS) {
        result = reinterpret_cast<RegKey>(key);
    }
    return status;
}

std::int32_t Win32Registry::QueryValueEx(RegKey key, const std::string& valueName,
                                         std::uint32_t& type, unsigned char* data,
                                         std::uint32_t& dataSize) {
    DWORD valueType = 0;
    DWORD size = dataSize;
    const LONG status =
        RegQueryValueExA(Handle(key), valueName.c_str(), nullptr, &valueType, data, &size);
    type = valueType;
    dataSize = size;
    return status;
}

std::int32_t Win32Registry::CloseKey(RegKey key) {
    return RegCloseKey(Handle(key));
}

}  // namespace kelvane

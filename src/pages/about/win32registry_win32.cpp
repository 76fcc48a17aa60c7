#include <windows.h>

#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "base/widetext.h"
#include "win32registry.h"

namespace kelvane {

namespace {

HKEY Handle(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

}  // namespace

std::int32_t Win32Registry::OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                                      std::uint32_t access, RegKey& result) {
    const std::optional<std::wstring> name = ToWide(subKey);
    if (!name) {
        return ERROR_INVALID_NAME;  // no key is spelt that way
    }
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(Handle(root), name->c_str(), options, access, &key);
    if (status == ERROR_SUCCESS) {
        result = reinterpret_cast<RegKey>(key);
    }
    return status;
}

std::int32_t Win32Registry::QueryValueEx(RegKey key, const std::string& valueName,
                                         std::uint32_t& type, unsigned char* data,
                                         std::uint32_t& dataSize) {
    const std::optional<std::wstring> name = ToWide(valueName);
    if (!name) {
        return ERROR_INVALID_NAME;
    }
    DWORD valueType = 0;
    DWORD size = 0;
    // Text comes as UTF-16 and is handed on as UTF-8, at least one byte for each UTF-16 unit:
    // text that fits the caller's buffer as UTF-8 fits twice that here.
    std::size_t room = std::size_t{dataSize} * 2;
    if (data == nullptr) {
        // A size query: the length in the caller's terms needs the whole value.
        const LONG status =
            RegQueryValueExW(Handle(key), name->c_str(), nullptr, &valueType, nullptr, &size);
        if (status != ERROR_SUCCESS) {
            type = valueType;
            return status;
        }
        room = size;
    }
    std::vector<BYTE> value(room + sizeof(wchar_t));
    size = static_cast<DWORD>(value.size());
    const LONG status =
        RegQueryValueExW(Handle(key), name->c_str(), nullptr, &valueType, value.data(), &size);
    type = valueType;
    if (status != ERROR_SUCCESS) {
        dataSize = size;
        return status;
    }
    std::string bytes(reinterpret_cast<const char*>(value.data()), size);
    if (IsText(valueType)) {
        std::wstring text(size / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), value.data(), text.size() * sizeof(wchar_t));
        bytes = FromWide(text);
    }
    // The caller's buffer decides what fits, counted in the bytes it is given.
    const std::uint32_t capacity = dataSize;
    dataSize = static_cast<std::uint32_t>(bytes.size());
    if (data == nullptr) {
        return ERROR_SUCCESS;
    }
    if (bytes.size() > capacity) {
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    return ERROR_SUCCESS;
}

std::int32_t Win32Registry::CloseKey(RegKey key) {
    return RegCloseKey(Handle(key));
}

}  // namespace kelvane

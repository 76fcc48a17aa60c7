#pragma once

#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/widetext.h"

namespace kelvane::test {

// A key under HKEY_LOCAL_MACHINE that a test writes its values into. The values written are
// removed when the object goes, and so is the key when the test made it. Names and text values
// are given in UTF-8 and stored as the registry keeps them, in UTF-16.
class Win32TestKey {
  public:
    explicit Win32TestKey(std::string path) : path_(Wide(path)) {
        DWORD disposition = 0;
        const LONG status =
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key_, &disposition);
        if (status != ERROR_SUCCESS) {
            throw std::runtime_error("can't create the test key " + path + ": error " +
                                     std::to_string(status));
        }
        created_ = disposition == REG_CREATED_NEW_KEY;
    }
    ~Win32TestKey() {
        for (const auto& name : written_) {
            RegDeleteValueW(key_, name.c_str());
        }
        RegCloseKey(key_);
        if (created_) {
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, path_.c_str());
        }
    }
    Win32TestKey(const Win32TestKey&) = delete;
    Win32TestKey& operator=(const Win32TestKey&) = delete;

    // Writes a value of any type: text types from UTF-8, zero bytes included; others with
    // exactly these bytes.
    void Set(const std::string& name, DWORD type, const std::string& bytes) {
        std::wstring text;
        const BYTE* data = reinterpret_cast<const BYTE*>(bytes.data());
        DWORD size = static_cast<DWORD>(bytes.size());
        if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
            text = Wide(bytes);
            data = reinterpret_cast<const BYTE*>(text.data());
            size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        }
        const LONG status = RegSetValueExW(key_, Wide(name).c_str(), 0, type, data, size);
        if (status != ERROR_SUCCESS) {
            throw std::runtime_error("can't write the test value " + name + ": error " +
                                     std::to_string(status));
        }
        written_.push_back(Wide(name));
    }
    // A string value, with its terminating zero.
    void SetString(const std::string& name, const std::string& text) {
        Set(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
    }

    // Whether the key already holds a value of that name (one the test did not write).
    bool Has(const std::string& name) const {
        return RegQueryValueExW(key_, Wide(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    }

  private:
    static std::wstring Wide(const std::string& utf8) {
        const std::optional<std::wstring> wide = ToWide(utf8);
        if (!wide) {
            throw std::runtime_error("not UTF-8: " + utf8);
        }
        return *wide;
    }

    std::wstring path_;
    HKEY key_ = nullptr;
    bool created_ = false;
    std::vector<std::wstring> written_;
};

}  // namespace kelvane::test

#pragma once

#include <windows.h>

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
    explicit Win32TestKey(const std::string& path) : path_(ToWide(path).value()) {
        DWORD disposition = 0;
        const LONG status =
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key_, &disposition);
        if (status != ERROR_SUCCESS) {
            throw std::runtime_error("can't create the test key " + path);
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
        std::string stored = bytes;
        if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
            const std::wstring text = ToWide(bytes).value();
            stored.assign(reinterpret_cast<const char*>(text.data()),
                          text.size() * sizeof(wchar_t));
        }
        written_.push_back(ToWide(name).value());
        if (RegSetValueExW(key_, written_.back().c_str(), 0, type,
                           reinterpret_cast<const BYTE*>(stored.data()),
                           static_cast<DWORD>(stored.size())) != ERROR_SUCCESS) {
            throw std::runtime_error("can't write the test value " + name);
        }
    }

    // Whether the key already holds a value of that name (one the test did not write).
    bool Has(const std::string& name) const {
        return RegQueryValueExW(key_, ToWide(name).value().c_str(), nullptr, nullptr, nullptr,
                                nullptr) == ERROR_SUCCESS;
    }

  private:
    std::wstring path_;
    HKEY key_ = nullptr;
    bool created_ = false;
    std::vector<std::wstring> written_;
};

}  // namespace kelvane::test

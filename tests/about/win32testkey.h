#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace kelvane::test {

// A key under HKEY_LOCAL_MACHINE that a test writes its values into. The values written are
// removed when the object goes, and so is the key when the test made it.
class Win32TestKey {
  public:
    explicit Win32TestKey(std::string path) : path_(std::move(path)) {
        DWORD disposition = 0;
        const LONG status =
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key_, &disposition);
        if (status != ERROR_SUCCESS) {
            throw std::runtime_error("can't create the test key " + path_ + ": error " +
                                     std::to_string(status));
        }
        created_ = disposition == REG_CREATED_NEW_KEY;
    }
    ~Win32TestKey() {
        for (const auto& name : written_) {
            RegDeleteValueA(key_, name.c_str());
        }
        RegCloseKey(key_);
        if (created_) {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, path_.c_str());
        }
    }
    Win32TestKey(const Win32TestKey&) = delete;
    Win32TestKey& operator=(const Win32TestKey&) = delete;

    // Writes a value of any type with exactly these bytes.
    void Set(const std::string& name, DWORD type, const std::string& bytes) {
        const LONG status =
            RegSetValueExA(key_, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                           static_cast<DWORD>(bytes.size()));
        if (status != ERROR_SUCCESS) {
            throw std::runtime_error("can't write the test value " + name + ": error " +
                                     std::to_string(status));
        }
        written_.push_back(name);
    }
    // A string value, with its terminating zero.
    void SetString(const std::string& name, const std::string& text) {
        Set(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
    }

    // Whether the key already holds a value of that name (one the test did not write).
    bool Has(const std::string& name) const {
        return RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    }

  private:
    std::string path_;
    HKEY key_ = nullptr;
    bool created_ = false;
    std::vector<std::string> written_;
};

}  // namespace kelvane::test

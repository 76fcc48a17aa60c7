#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "base/text.h"
#include "pages/about/registry.h"

namespace kelvane::test {

// The machine-wide keys of a registry, kept in memory. Key and value names compare without
// regard to case, and the calls give the status codes the platform's registry gives.
class MemoryRegistry : public Registry {
  public:
    std::int32_t OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t /*options*/,
                           std::uint32_t access, RegKey& result) override {
        const auto found = keys_.find(UCase(subKey));
        if (root != RootKey(kHkeyLocalMachine) || found == keys_.end()) {
            return kErrorFileNotFound;
        }
        if ((access & ~grantedAccess) != 0) {
            return kErrorAccessDenied;
        }
        result = open_.empty() ? 0x100 : open_.rbegin()->first + 4;
        open_[result] = found->first;
        return kErrorSuccess;
    }
    std::int32_t QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                              unsigned char* data, std::uint32_t& dataSize) override {
        const auto handle = open_.find(key);
        if (handle == open_.end()) {
            return kErrorInvalidHandle;
        }
        const auto value = keys_[handle->second].find(UCase(valueName));
        if (value == keys_[handle->second].end()) {
            return kErrorFileNotFound;
        }
        type = value->second.first;
        const std::string& bytes = value->second.second;
        const bool fits = bytes.size() <= dataSize;
        dataSize = static_cast<std::uint32_t>(bytes.size());
        if (data == nullptr) {
            return kErrorSuccess;
        }
        if (!fits) {
            return kErrorMoreData;
        }
        std::memcpy(data, bytes.data(), bytes.size());
        return kErrorSuccess;
    }
    std::int32_t CloseKey(RegKey key) override {
        return open_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
    }

    // Stores a value with exactly these data bytes, creating its key.
    void SetValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::string& data) {
        keys_[UCase(key)][UCase(name)] = {type, data};
    }
    int OpenKeyCount() const { return static_cast<int>(open_.size()); }

    // The rights granted, a standard user's: read only (0x20019). An open that asks for more is
    // refused.
    std::uint32_t grantedAccess = 0x20019;

  private:
    // The values of each key by name: their type and their data.
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> keys_;
    std::map<RegKey, std::string> open_;
};

}  // namespace kelvane::test

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "pages/about/registry.h"

namespace kelvane::test {

// A registry kept in memory. Key and value names compare without regard to case, and the
// calls give the status codes the platform's registry gives.
class MemoryRegistry : public Registry {
  public:
    struct OpenRequest {
        RegKey root;
        std::string subKey;
        std::uint32_t access;
    };

    std::int32_t OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegKey& result) override;
    std::int32_t QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                              unsigned char* data, std::uint32_t& dataSize) override;
    std::int32_t CloseKey(RegKey key) override;

    // Creates a key with no values, if it isn't there yet.
    void AddKey(std::int32_t root, const std::string& key);
    // Stores a value with exactly these data bytes, creating its key.
    void SetValue(std::int32_t root, const std::string& key, const std::string& name,
                  std::uint32_t type, const std::string& data);
    // A string value, stored with its terminating zero.
    void SetString(std::int32_t root, const std::string& key, const std::string& name,
                   const std::string& text);

    // The rights the registry grants; an open that asks for more is refused.
    std::uint32_t grantedAccess = kKeyAllAccess;

    // Every open asked for, in order.
    std::vector<OpenRequest> openRequests;
    // How many keys are open now.
    int OpenKeyCount() const { return static_cast<int>(open_.size()); }

  private:
    struct Value {
        std::uint32_t type;
        std::string data;
    };
    using KeyId = std::pair<RegKey, std::string>;
    using Values = std::map<std::string, Value>;

    static KeyId Id(RegKey root, const std::string& key);

    std::map<KeyId, Values> keys_;
    std::map<RegKey, KeyId> open_;
    RegKey nextHandle_ = 0x100;
};

}  // namespace kelvane::test

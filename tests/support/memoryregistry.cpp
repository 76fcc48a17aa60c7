#include "memoryregistry.h"

#include <cstring>

#include "base/text.h"

namespace kelvane::test {

MemoryRegistry::KeyId MemoryRegistry::Id(RegKey root, const std::string& key) {
    return {root, UCase(key)};
}

std::int32_t MemoryRegistry::OpenKeyEx(RegKey root, const std::string& subKey,
                                       std::uint32_t /*options*/, std::uint32_t access,
                                       RegKey& result) {
    openRequests.push_back({root, subKey, access});
    const auto found = keys_.find(Id(root, subKey));
    if (found == keys_.end()) {
        return kErrorFileNotFound;
    }
    if ((access & ~grantedAccess) != 0) {
        return kErrorAccessDenied;
    }
    result = nextHandle_;
    nextHandle_ += 4;
    open_[result] = found->first;
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::QueryValueEx(RegKey key, const std::string& valueName,
                                          std::uint32_t& type, unsigned char* data,
                                          std::uint32_t& dataSize) {
    const auto handle = open_.find(key);
    if (handle == open_.end()) {
        return kErrorInvalidHandle;
    }
    const Values& values = keys_.at(handle->second);
    const auto value = values.find(UCase(valueName));
    if (value == values.end()) {
        return kErrorFileNotFound;
    }
    type = value->second.type;
    const std::string& bytes = value->second.data;
    if (data == nullptr) {
        dataSize = static_cast<std::uint32_t>(bytes.size());
        return kErrorSuccess;
    }
    if (bytes.size() > dataSize) {
        dataSize = static_cast<std::uint32_t>(bytes.size());
        return kErrorMoreData;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    dataSize = static_cast<std::uint32_t>(bytes.size());
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::CloseKey(RegKey key) {
    return open_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

void MemoryRegistry::AddKey(std::int32_t root, const std::string& key) {
    keys_[Id(RootKey(root), key)];
}

void MemoryRegistry::SetValue(std::int32_t root, const std::string& key, const std::string& name,
                              std::uint32_t type, const std::string& data) {
    keys_[Id(RootKey(root), key)][UCase(name)] = {type, data};
}

void MemoryRegistry::SetString(std::int32_t root, const std::string& key, const std::string& name,
                               const std::string& text) {
    SetValue(root, key, name, kRegSz, text + '\0');
}

}  // namespace kelvane::test

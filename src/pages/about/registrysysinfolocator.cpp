#include "registrysysinfolocator.h"

#include <array>

namespace kelvane {

namespace {

constexpr std::uint32_t kValueBufferSize = 1024;

// Closes an open key when the reading ends, however it ends.
class OpenKey {
  public:
    OpenKey(Registry& registry, RegKey key) : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.CloseKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

  private:
    Registry& registry_;
    RegKey key_;
};

}  // namespace

RegistrySysInfoLocator::RegistrySysInfoLocator(Registry& registry, FileLookup& files)
    : registry_(registry), files_(files) {}

std::optional<std::string> RegistrySysInfoLocator::LocateSysInfo() {
    std::string path;
    if (GetKeyValue(kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, path)) {
        return path;
    }
    if (!GetKeyValue(kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, path)) {
        return std::nullopt;
    }
    if (files_.PlainFileName(path + kSysInfoProgram).empty()) {
        return std::nullopt;
    }
    return path + kSysInfoProgram;
}

bool RegistrySysInfoLocator::GetKeyValue(std::int32_t KeyRoot, const std::string& KeyName,
                                         const std::string& SubKeyRef, std::string& KeyVal) {
    // Read rights are all the reading needs; asking for more is refused to standard users.
    RegKey key = 0;
    if (registry_.OpenKeyEx(RootKey(KeyRoot), KeyName, 0, kKeyRead, key) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closer(registry_, key);

    std::array<unsigned char, kValueBufferSize> buffer{};
    std::uint32_t size = kValueBufferSize;
    std::uint32_t type = 0;
    if (registry_.QueryValueEx(key, SubKeyRef, type, buffer.data(), size) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    if (size == 0 || size > kValueBufferSize) {
        throw RegistryValueError("value " + SubKeyRef + " of " + KeyName + " has no readable data");
    }
    std::string text(reinterpret_cast<const char*>(buffer.data()), size);
    if (text.back() == '\0') {
        text.pop_back();
    }

    if (type == kRegSz) {
        KeyVal = text;
    } else if (type == kRegDword) {
        // Low byte first; the buffer's zero fill stands in for bytes the value lacks.
        const std::uint32_t number = static_cast<std::uint32_t>(buffer[0]) |
                                     static_cast<std::uint32_t>(buffer[1]) << 8 |
                                     static_cast<std::uint32_t>(buffer[2]) << 16 |
                                     static_cast<std::uint32_t>(buffer[3]) << 24;
        KeyVal = std::to_string(number);
    }
    return true;
}

}  // namespace kelvane

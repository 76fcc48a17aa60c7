#pragma once

#include <cstdint>
#include <string>

namespace kelvane {

// A key handle as the registry hands it out; the predefined roots are handles too.
using RegKey = std::uintptr_t;

// The machine-wide root, as the 32-bit value the registry defines for it.
inline constexpr std::int32_t kHkeyLocalMachine = static_cast<std::int32_t>(0x80000002u);

// Status codes of the registry calls.
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorMoreData = 234;

// Access rights asked for when a key is opened.
inline constexpr std::uint32_t kKeyRead = 0x20019;       // read control, query, enumerate, notify
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;  // everything, write rights included

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// Turns the 32-bit root value into the handle the registry calls take (sign-extended, as the
// platform's own headers do).
inline RegKey RootKey(std::int32_t root) {
    return static_cast<RegKey>(static_cast<std::intptr_t>(root));
}

// The three registry calls the Windows program needs, with the platform's own status codes.
// Texts are the program's 8-bit ones (UTF-8 on Windows).
class Registry {
  public:
    virtual ~Registry() = default;

    // Opens `subKey` under `root`. Status 0: the key is open and `result` holds its handle.
    virtual std::int32_t OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                                   std::uint32_t access, RegKey& result) = 0;
    // Reads the value `valueName` of an open key into `data`, which holds `dataSize` bytes.
    // Status 0: `type` and `dataSize` (the data length in bytes) are valid. A value longer than
    // the buffer gives kErrorMoreData. A null `data` asks for the type and the length alone:
    // nothing is copied, and the status is 0 whatever `dataSize` said.
    virtual std::int32_t QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type,
                                      unsigned char* data, std::uint32_t& dataSize) = 0;
    virtual std::int32_t CloseKey(RegKey key) = 0;
};

}  // namespace kelvane

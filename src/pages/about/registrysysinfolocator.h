#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "pages/about/filelookup.h"
#include "pages/about/registry.h"
#include "pages/about/sysinfolocator.h"

namespace kelvane {

// Where Windows records its system-information program.
inline constexpr char kSysInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kSysInfoValue[] = "PATH";
inline constexpr char kSysInfoLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSysInfoLocationValue[] = "MSINFO";
inline constexpr char kSysInfoProgram[] = "\\MSINFO32.EXE";

// A registry value that was found but can't be read as text.
class RegistryValueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Finds MSINFO32.EXE through the registry: the program path recorded at the first location,
// else the folder recorded at the second one when it holds the program as a plain file.
class RegistrySysInfoLocator : public SysInfoLocator {
  public:
    RegistrySysInfoLocator(Registry& registry, FileLookup& files);

    // The first location's path, started unchanged and untested; else the second location's
    // folder followed by "\MSINFO32.EXE" when that file is there; else none. A value that
    // can't be read raises RegistryValueError.
    std::optional<std::string> LocateSysInfo() override;

    // Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal`: a string
    // as it is, a 32-bit number in decimal digits; a value of another type leaves `KeyVal` as
    // it was. False, with `KeyVal` emptied, when the key or the value is missing or refused.
    // A value with no data raises RegistryValueError. The key is closed in every case.
    bool GetKeyValue(std::int32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

  private:
    Registry& registry_;
    FileLookup& files_;
};

}  // namespace kelvane

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "pages/about/filelookup.h"
#include "pages/about/programstarter.h"
#include "pages/about/registry.h"
#include "widgets/msgbox.h"

namespace kelvane {

// Where the system-information program is recorded.
inline constexpr char kSysInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kSysInfoValue[] = "PATH";
inline constexpr char kSysInfoLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSysInfoLocationValue[] = "MSINFO";
inline constexpr char kSysInfoProgram[] = "\\MSINFO32.EXE";
inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

// A registry value that was found but can't be read as text.
class RegistryValueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The About dialog's System Info button: finds the platform's system-information program
// through the registry and starts it, or says that it is unavailable.
class SysInfoLauncher {
  public:
    SysInfoLauncher(Registry& registry, FileLookup& files, ProgramStarter& starter, MsgBox& msgBox);

    // One launch: the first location's program path, else the second location's folder with
    // MSINFO32.EXE in it; any failure on the way ends in one message.
    void StartSysInfo();

    // Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal`: a string
    // as it is, a 32-bit number in decimal digits; a value of another type leaves `KeyVal` as
    // it was. False, with `KeyVal` emptied, when the key or the value is missing or refused.
    // A value with no data raises RegistryValueError. The key is closed in every case.
    bool GetKeyValue(std::int32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

  private:
    Registry& registry_;
    FileLookup& files_;
    ProgramStarter& starter_;
    MsgBox& msgBox_;
};

}  // namespace kelvane

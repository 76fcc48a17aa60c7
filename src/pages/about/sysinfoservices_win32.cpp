#include "registrysysinfolocator.h"
#include "sysinfoservices.h"
#include "systemfilelookup.h"
#include "systemprogramstarter.h"
#include "win32registry.h"

namespace kelvane {

namespace {

// The registry lookup over the machine's own registry and file system.
class Win32SysInfoLocator : public SysInfoLocator {
  public:
    std::optional<std::string> LocateSysInfo() override { return locator_.LocateSysInfo(); }

  private:
    Win32Registry registry_;
    SystemFileLookup files_;
    RegistrySysInfoLocator locator_{registry_, files_};
};

}  // namespace

SysInfoServices PlatformSysInfoServices() {
    return {std::make_unique<Win32SysInfoLocator>(), std::make_unique<SystemProgramStarter>()};
}

}  // namespace kelvane

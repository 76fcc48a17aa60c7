#include "sysinfoservices.h"
#include "systemfilelookup.h"
#include "systemprogramstarter.h"
#include "win32registry.h"

namespace kelvane {

SysInfoServices PlatformSysInfoServices() {
    return {std::make_unique<Win32Registry>(), std::make_unique<SystemFileLookup>(),
            std::make_unique<SystemProgramStarter>()};
}

}  // namespace kelvane

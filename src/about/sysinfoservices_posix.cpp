#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "findonpath.h"
#include "memoryregistry.h"
#include "sysinfolauncher.h"
#include "sysinfoservices.h"
#include "systemfilelookup.h"
#include "systemprogramstarter.h"

namespace kelvane {

SysInfoServices PlatformSysInfoServices() {
    auto registry = std::make_unique<MemoryRegistry>();
    const char* folders = std::getenv("PATH");
    const std::string program =
        FindOnPath({"hardinfo2", "hardinfo", "kinfocenter"}, folders != nullptr ? folders : "");
    if (!program.empty()) {
        registry->SetString(kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, program);
    }
    return {std::move(registry), std::make_unique<SystemFileLookup>(),
            std::make_unique<SystemProgramStarter>()};
}

}  // namespace kelvane

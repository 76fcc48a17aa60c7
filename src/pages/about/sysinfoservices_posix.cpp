#include <cstdlib>
#include <optional>
#include <string>

#include "findonpath.h"
#include "sysinfoservices.h"
#include "systemprogramstarter.h"

namespace kelvane {

namespace {

// The first of the desktops' system-information programs found on PATH as it is now.
class PathSysInfoLocator : public SysInfoLocator {
  public:
    std::optional<std::string> LocateSysInfo() override {
        const char* folders = std::getenv("PATH");
        std::string program =
            FindOnPath({"hardinfo2", "hardinfo", "kinfocenter"}, folders != nullptr ? folders : "");
        if (program.empty()) {
            return std::nullopt;
        }
        return program;
    }
};

}  // namespace

SysInfoServices PlatformSysInfoServices() {
    return {std::make_unique<PathSysInfoLocator>(), std::make_unique<SystemProgramStarter>()};
}

}  // namespace kelvane

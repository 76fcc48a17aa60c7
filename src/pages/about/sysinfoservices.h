#pragma once

#include <memory>

#include "pages/about/programstarter.h"
#include "pages/about/sysinfolocator.h"

namespace kelvane {

// What the system-information launcher works through.
struct SysInfoServices {
    std::unique_ptr<SysInfoLocator> locator;
    std::unique_ptr<ProgramStarter> starter;
};

// The services of the platform the program runs on: on Windows the program recorded in its
// registry, elsewhere the first of the usual system-information programs on PATH; started by
// the operating system. Every launch looks the program up again.
SysInfoServices PlatformSysInfoServices();

}  // namespace kelvane

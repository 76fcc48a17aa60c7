#pragma once

#include <memory>

#include "pages/about/filelookup.h"
#include "pages/about/programstarter.h"
#include "pages/about/registry.h"

namespace kelvane {

// What the system-information launcher works through.
struct SysInfoServices {
    std::unique_ptr<Registry> registry;
    std::unique_ptr<FileLookup> files;
    std::unique_ptr<ProgramStarter> starter;
};

// The services of the platform the program runs on. On Windows: its registry, file system and
// process start. Elsewhere there is no registry: a registry in memory records the platform's
// own system-information program, when one is installed, at the place Windows keeps it. Either
// way every launch looks the program up again.
SysInfoServices PlatformSysInfoServices();

}  // namespace kelvane

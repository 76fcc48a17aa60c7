#pragma once

#include <string>

#include "pages/about/programstarter.h"

namespace kelvane {

// Starts a program directly through the operating system, with no shell between: the path is
// the program itself, never a command for an interpreter. The started program is on its own:
// it is not waited for and outlives this one.
class SystemProgramStarter : public ProgramStarter {
  public:
    bool Start(const std::string& program) override;
};

}  // namespace kelvane

#pragma once

#include <string>

namespace kelvane {

// Starts a program as an independent process, in a normal window, without waiting for it.
class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;

    // `program` is the path of the program to run; no shell interprets it. False when the
    // program could not be started.
    virtual bool Start(const std::string& program) = 0;
};

}  // namespace kelvane

#pragma once

#include <string>
#include <vector>

namespace kelvane {

// Starts `program` (a path; no shell interprets it or its arguments) with `arguments`, each
// passed as it is, as an independent process in a session of its own, and doesn't wait for
// it: it leaves no zombie behind and outlives this program. False when it could not be
// started. For POSIX systems; the system program starter starts its programs through it.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace kelvane

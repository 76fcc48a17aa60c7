#pragma once

#include <string>
#include <vector>

namespace kelvane {

// The top folders of the volumes a user browses, in the order a drive list shows them: on
// Windows the drive letters, as "C:\"; elsewhere the root first, then the mounted file systems
// that hold user data (pseudo, system and snapshot file systems left out), by name.
std::vector<std::string> ListDrives();

}  // namespace kelvane

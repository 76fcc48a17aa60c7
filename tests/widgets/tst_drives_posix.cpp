// The drives of a POSIX system: its mounted volumes, the root first, none of the system's own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/drives.h"

namespace kelvane {
namespace {

TEST(DrivesPosix, ListsTheRootFirstAndNoSystemMounts) {
    const std::vector<std::string> volumes = ListDrives();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front(), "/");
    for (const std::string& volume : volumes) {
        for (const char* system : {"/proc", "/sys", "/dev"}) {
            EXPECT_NE(volume.rfind(system, 0), 0u) << volume;
        }
    }
}

}  // namespace
}  // namespace kelvane

#include "pages/about/sysinfoservices.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "fakemsgbox.h"
#include "pages/about/sysinfolauncher.h"
#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// Points PATH at one folder for the life of the object.
class PathOverride {
  public:
    explicit PathOverride(const std::string& folders) {
        if (const char* old = std::getenv("PATH")) {
            old_ = old;
        }
        setenv("PATH", folders.c_str(), 1);
    }
    ~PathOverride() {
        if (old_) {
            setenv("PATH", old_->c_str(), 1);
        } else {
            unsetenv("PATH");
        }
    }
    PathOverride(const PathOverride&) = delete;
    PathOverride& operator=(const PathOverride&) = delete;

  private:
    std::optional<std::string> old_;
};

// Installs a system-information program in the folder; returns the file it marks when started.
fs::path Install(const test::TempFolder& folder) {
    const fs::path marker = folder.Path() / "started";
    const std::string program =
        folder.Write("kinfocenter", "#!/bin/sh\necho started > '" + marker.string() + "'\n");
    fs::permissions(program, fs::perms::owner_all);
    return marker;
}

// The dialog and its services are made once: without a program the button says so; the program
// is then installed while the dialog is open, and the next launch finds it and starts it.
TEST(PlatformSysInfoServicesTest, EveryLaunchLooksForTheProgramAgain) {
    test::TempFolder folder;
    const PathOverride path(folder.Text());
    SysInfoServices services = PlatformSysInfoServices();
    test::FakeMsgBox msgBox;
    SysInfoLauncher launcher(*services.locator, *services.starter, msgBox);
    launcher.StartSysInfo();
    ASSERT_EQ(msgBox.shown.size(), 1u);
    EXPECT_EQ(msgBox.shown[0].text, kSysInfoUnavailable);

    const fs::path marker = Install(folder);
    launcher.StartSysInfo();
    EXPECT_EQ(msgBox.shown.size(), 1u);
    EXPECT_TRUE(test::WaitForFile(marker));
}

}  // namespace
}  // namespace kelvane

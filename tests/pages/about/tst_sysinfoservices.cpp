#include "pages/about/sysinfoservices.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "fakemsgbox.h"
#include "pages/about/sysinfolauncher.h"
#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// The dialog and its services are made once: without a program the button says so; the program
// is then installed while the dialog is open, and the next launch finds it and starts it.
TEST(PlatformSysInfoServicesTest, EveryLaunchLooksForTheProgramAgain) {
    test::TempFolder folder;
    const std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    setenv("PATH", folder.Text().c_str(), 1);  // the only folder looked in, until the test ends
    SysInfoServices services = PlatformSysInfoServices();
    test::FakeMsgBox msgBox;
    SysInfoLauncher launcher(*services.locator, *services.starter, msgBox);
    launcher.StartSysInfo();
    ASSERT_EQ(msgBox.shown.size(), 1u);
    EXPECT_EQ(msgBox.shown[0].text, kSysInfoUnavailable);

    const fs::path marker = folder.Path() / "started";  // the program installed marks it
    fs::permissions(
        folder.Write("kinfocenter", "#!/bin/sh\necho started > '" + marker.string() + "'\n"),
        fs::perms::owner_all);
    launcher.StartSysInfo();
    EXPECT_EQ(msgBox.shown.size(), 1u);
    EXPECT_TRUE(test::WaitForFile(marker));
    setenv("PATH", path.c_str(), 1);
}

}  // namespace
}  // namespace kelvane

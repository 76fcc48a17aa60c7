// The system-information launcher on the platform's own services of Windows: the registry value
// it reads is written by the test and removed afterwards, the program it starts is the tests'.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "fakemsgbox.h"
#include "pages/about/registrysysinfolocator.h"
#include "pages/about/sysinfolauncher.h"
#include "pages/about/sysinfoservices.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "waitforfile.h"
#include "win32testkey.h"

namespace kelvane {
namespace {

// The whole launch, from a folder named outside the ANSI code page: the program recorded at the
// first location is started for real.
TEST(SysInfoLauncherWin32, ThePlatformServicesStartTheRecordedProgram) {
    test::Win32TestKey first(kSysInfoKey);
    if (first.Has(kSysInfoValue)) {
        GTEST_SKIP() << "this machine records its own system-information program";
    }
    test::TempFolder folder;
    const std::string sub = folder.Text() + "\\System Info Ωmega 日本 ő";
    std::filesystem::create_directory(test::Utf8Path(sub));
    const std::string marker = test::CopyStartMarker(sub + "\\sysinfo.exe");
    first.Set(kSysInfoValue, REG_SZ, sub + "\\sysinfo.exe");

    SysInfoServices services = PlatformSysInfoServices();
    test::FakeMsgBox msgBox;
    SysInfoLauncher(*services.locator, *services.starter, msgBox).StartSysInfo();
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_TRUE(test::WaitForFile(test::Utf8Path(marker))) << "the program didn't run: " << marker;
}

}  // namespace
}  // namespace kelvane

// The system-information launcher over the real registry and file system of Windows: the
// values it reads are written by the test and removed afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakemsgbox.h"
#include "pages/about/registrysysinfolocator.h"
#include "pages/about/sysinfolauncher.h"
#include "pages/about/sysinfoservices.h"
#include "pages/about/systemfilelookup.h"
#include "pages/about/win32registry.h"
#include "startmarkercopy.h"
#include "sysinfodoubles.h"
#include "tempfolder.h"
#include "waitforfile.h"
#include "win32testkey.h"

namespace kelvane {
namespace {

std::string SystemFolder() {
    char system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system, length);
}

// The launcher over the real registry and file lookup; the start is recorded.
class SysInfoLauncherWin32Test : public ::testing::Test {
  protected:
    void SetUp() override {
        first_.emplace(kSysInfoKey);
        if (first_->Has(kSysInfoValue)) {
            GTEST_SKIP() << "this machine records its own system-information program";
        }
        second_.emplace(kSysInfoLocationKey);
        if (second_->Has(kSysInfoLocationValue)) {
            GTEST_SKIP() << "this machine records its own system-information folder";
        }
    }
    void TearDown() override {
        second_.reset();
        first_.reset();
    }

    std::optional<test::Win32TestKey> first_;
    std::optional<test::Win32TestKey> second_;
    Win32Registry registry;
    SystemFileLookup files;
    test::RecordingStarter starter;
    test::FakeMsgBox msgBox;
    RegistrySysInfoLocator locator{registry, files};
    SysInfoLauncher launcher{locator, starter, msgBox};
};

// The folder recorded at the second location is the system folder, which holds MSINFO32.EXE.
TEST_F(SysInfoLauncherWin32Test, SecondLocationFindsMsinfo32InTheSystemFolder) {
    const std::string program = SystemFolder() + "\\MSINFO32.EXE";
    starter.installed.insert(program);
    second_->SetString(kSysInfoLocationValue, SystemFolder());
    launcher.StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector<std::string>{program});
    EXPECT_TRUE(msgBox.shown.empty());
}

// The whole launch on the platform's own services, from a folder named outside the ANSI code
// page: the program recorded at the first location is started for real.
TEST_F(SysInfoLauncherWin32Test, ThePlatformServicesStartTheRecordedProgram) {
    test::TempFolder folder;
    const std::string sub = folder.Text() + "\\System Info Ωmega 日本 ő";
    std::filesystem::create_directory(test::Utf8Path(sub));
    const std::string marker = test::CopyStartMarker(sub + "\\sysinfo.exe");
    first_->SetString(kSysInfoValue, sub + "\\sysinfo.exe");

    SysInfoServices services = PlatformSysInfoServices();
    SysInfoLauncher(*services.locator, *services.starter, msgBox).StartSysInfo();
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_TRUE(test::WaitForFile(test::Utf8Path(marker))) << "the program didn't run: " << marker;
}

}  // namespace
}  // namespace kelvane

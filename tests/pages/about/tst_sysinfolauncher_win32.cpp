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

    // Records the folder at the second location and runs one launch; returns the starts tried.
    std::vector<std::string> LaunchWithFolder(const std::string& folder) {
        second_->SetString(kSysInfoLocationValue, folder);
        launcher.StartSysInfo();
        return starter.attempts;
    }

    // One launch on the platform's own registry, file lookup and program start.
    void LaunchOnThePlatform() {
        SysInfoServices services = PlatformSysInfoServices();
        SysInfoLauncher(*services.locator, *services.starter, msgBox).StartSysInfo();
    }

    void ExpectUnavailableMessage() {
        ASSERT_EQ(msgBox.shown.size(), 1u);
        EXPECT_EQ(msgBox.shown[0].text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(msgBox.shown[0].style, MsgBox::Style::Plain);
        EXPECT_EQ(msgBox.shown[0].title, "");
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

TEST_F(SysInfoLauncherWin32Test, SecondLocationFindsMsinfo32InTheSystemFolder) {
    const std::string program = SystemFolder() + "\\MSINFO32.EXE";
    starter.installed.insert(program);
    EXPECT_EQ(LaunchWithFolder(SystemFolder()), std::vector<std::string>{program});
    EXPECT_TRUE(msgBox.shown.empty());
}

TEST_F(SysInfoLauncherWin32Test, AFolderEndingInASeparatorKeepsTheDoubledSeparator) {
    const std::string program = SystemFolder() + "\\\\MSINFO32.EXE";
    starter.installed.insert(program);
    EXPECT_EQ(LaunchWithFolder(SystemFolder() + "\\"), std::vector<std::string>{program});
    EXPECT_TRUE(msgBox.shown.empty());
}

TEST_F(SysInfoLauncherWin32Test, AFolderWithoutTheProgramGivesTheMessage) {
    test::TempFolder folder;
    folder.Write("MSINFO.EXE", "MZ");  // a near miss
    EXPECT_TRUE(LaunchWithFolder(folder.Text()).empty());
    ExpectUnavailableMessage();
}

TEST_F(SysInfoLauncherWin32Test, AHiddenProgramOrAFolderOfThatNameIsNotFound) {
    test::TempFolder hidden;
    const std::string program = hidden.Write("MSINFO32.EXE", "MZ");
    ASSERT_TRUE(SetFileAttributesA(program.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(GetFileAttributesA(program.c_str()) & FILE_ATTRIBUTE_HIDDEN)
        << "the file system keeps no hidden attribute (under wine: no extended attributes)";
    EXPECT_TRUE(LaunchWithFolder(hidden.Text()).empty());

    test::TempFolder folder;
    folder.MakeFolder("MSINFO32.EXE");
    EXPECT_TRUE(LaunchWithFolder(folder.Text()).empty());
    EXPECT_EQ(msgBox.shown.size(), 2u);
}

TEST_F(SysInfoLauncherWin32Test, AFolderThatDoesNotExistGivesTheMessage) {
    test::TempFolder folder;
    EXPECT_TRUE(LaunchWithFolder(folder.At("gone")).empty());
    ExpectUnavailableMessage();
}

TEST_F(SysInfoLauncherWin32Test, NeitherLocationGivesTheMessage) {
    launcher.StartSysInfo();
    EXPECT_TRUE(starter.attempts.empty());
    ExpectUnavailableMessage();
}

// The whole launch on the platform's own services, from a folder named outside the ANSI code
// page: the program recorded at the first location is started for real.
TEST_F(SysInfoLauncherWin32Test, ThePlatformServicesStartTheRecordedProgram) {
    test::TempFolder folder;
    const std::string sub = folder.Text() + "\\System Info Ωmega 日本 ő";
    std::filesystem::create_directory(test::Utf8Path(sub));
    const std::string marker = test::CopyStartMarker(sub + "\\sysinfo.exe");
    first_->SetString(kSysInfoValue, sub + "\\sysinfo.exe");

    LaunchOnThePlatform();
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_TRUE(test::WaitForFile(test::Utf8Path(marker))) << "the program didn't run: " << marker;
}

TEST_F(SysInfoLauncherWin32Test, AStalePathAtTheFirstLocationGivesTheMessage) {
    test::TempFolder folder;
    first_->SetString(kSysInfoValue, folder.At("sysinfo.exe"));
    second_->SetString(kSysInfoLocationValue, SystemFolder());

    LaunchOnThePlatform();
    ExpectUnavailableMessage();
}

}  // namespace
}  // namespace kelvane

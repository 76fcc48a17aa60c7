// The system-information launcher over the real registry and file system of Windows: the
// values it reads are written by the test and removed afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "about/sysinfolauncher.h"
#include "about/sysinfoservices.h"
#include "about/systemfilelookup.h"
#include "about/win32registry.h"
#include "fakemsgbox.h"
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

// The launcher with the real registry and file lookup; the start is recorded.
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
    SysInfoLauncher launcher{registry, files, starter, msgBox};
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

// The whole launch on the platform's own services: the program recorded at the first location
// is started for real.
TEST_F(SysInfoLauncherWin32Test, ThePlatformServicesStartTheRecordedProgram) {
    test::TempFolder folder;
    folder.MakeFolder("System Info");
    const std::string program = folder.At("System Info\\sysinfo.exe");
    const std::string marker = test::CopyStartMarker(program);
    first_->SetString(kSysInfoValue, program);

    SysInfoServices services = PlatformSysInfoServices();
    SysInfoLauncher platformLauncher(*services.registry, *services.files, *services.starter,
                                     msgBox);
    platformLauncher.StartSysInfo();
    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_TRUE(test::WaitForFile(marker)) << "the program didn't run: " << program;
}

TEST_F(SysInfoLauncherWin32Test, AStalePathAtTheFirstLocationGivesTheMessage) {
    test::TempFolder folder;
    first_->SetString(kSysInfoValue, folder.At("sysinfo.exe"));
    second_->SetString(kSysInfoLocationValue, SystemFolder());

    SysInfoServices services = PlatformSysInfoServices();
    SysInfoLauncher platformLauncher(*services.registry, *services.files, *services.starter,
                                     msgBox);
    platformLauncher.StartSysInfo();
    ExpectUnavailableMessage();
}

}  // namespace
}  // namespace kelvane

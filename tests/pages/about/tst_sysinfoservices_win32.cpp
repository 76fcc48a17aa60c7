// The system-information services of Windows, tried for real (under wine when cross-built):
// GetKeyValue over the registry, the plain-file lookup, the program start and the whole launch;
// the programs started are a small program of the tests' own.
#include "pages/about/sysinfoservices.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/widetext.h"
#include "fakemsgbox.h"
#include "pages/about/registrysysinfolocator.h"
#include "pages/about/sysinfolauncher.h"
#include "pages/about/systemfilelookup.h"
#include "pages/about/systemprogramstarter.h"
#include "pages/about/win32registry.h"
#include "registryqueries.h"
#include "startmarkercopy.h"
#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

// A key under HKEY_LOCAL_MACHINE that a test writes its values into. The values written are
// removed when the object goes, and so is the key when the test made it. Names and text values
// are given in UTF-8 and stored as the registry keeps them, in UTF-16.
class Win32TestKey {
  public:
    explicit Win32TestKey(const std::string& path) : path_(ToWide(path).value()) {
        DWORD disposition = 0;
        const LONG status =
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key_, &disposition);
        if (status != ERROR_SUCCESS) {
            throw std::runtime_error("can't create the test key " + path);
        }
        created_ = disposition == REG_CREATED_NEW_KEY;
    }
    ~Win32TestKey() {
        for (const auto& name : written_) {
            RegDeleteValueW(key_, name.c_str());
        }
        RegCloseKey(key_);
        if (created_) {
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, path_.c_str());
        }
    }
    Win32TestKey(const Win32TestKey&) = delete;
    Win32TestKey& operator=(const Win32TestKey&) = delete;

    // Writes a value of any type: text types from UTF-8, zero bytes included; others with
    // exactly these bytes.
    void Set(const std::string& name, DWORD type, const std::string& bytes) {
        std::string stored = bytes;
        if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
            const std::wstring text = ToWide(bytes).value();
            stored.assign(reinterpret_cast<const char*>(text.data()),
                          text.size() * sizeof(wchar_t));
        }
        written_.push_back(ToWide(name).value());
        if (RegSetValueExW(key_, written_.back().c_str(), 0, type,
                           reinterpret_cast<const BYTE*>(stored.data()),
                           static_cast<DWORD>(stored.size())) != ERROR_SUCCESS) {
            throw std::runtime_error("can't write the test value " + name);
        }
    }

    // Whether the key already holds a value of that name (one the test did not write).
    bool Has(const std::string& name) const {
        return RegQueryValueExW(key_, ToWide(name).value().c_str(), nullptr, nullptr, nullptr,
                                nullptr) == ERROR_SUCCESS;
    }

  private:
    std::wstring path_;
    HKEY key_ = nullptr;
    bool created_ = false;
    std::vector<std::wstring> written_;
};

// ---- GetKeyValue over the registry: each value is written under a key of its own and read back
// through advapi32.

// The cases the registry kept in memory answers too.
class Win32RegistryValueTest : public ::testing::TestWithParam<test::KeyValueCase> {};

TEST_P(Win32RegistryValueTest, GetKeyValueReadsTheValueAsText) {
    Win32TestKey key(test::kTestKey);
    key.Set(GetParam().storedAs, GetParam().type, GetParam().data);
    Win32Registry registry;
    test::ExpectGetKeyValue(registry, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, Win32RegistryValueTest, ::testing::ValuesIn(test::kKeyValueCases),
                         test::ParamName<test::KeyValueCase>);

// ---- The plain-file lookup: hidden and system files and folders are not plain files; names are
// found whatever their case.

struct LookupCase {
    const char* name;
    std::string made;  // made in the test folder: a file, or a folder when it ends with '\'
    DWORD attributes;
    std::string asked;  // the path looked up, in the test folder
    std::string found;
};

class SystemFileLookupWin32Test : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SystemFileLookupWin32Test, FindsOnlyPlainFiles) {
    const LookupCase& c = GetParam();
    test::TempFolder folder;
    const std::filesystem::path made = folder.Path() / test::Utf8Path(c.made);
    std::filesystem::create_directories(c.made.back() == '\\' ? made : made.parent_path());
    if (c.made.back() != '\\') {
        std::ofstream(made) << "MZ";
    }
    // Under wine, a file system without extended attributes can't keep them.
    ASSERT_TRUE(c.attributes == 0 || SetFileAttributesW(made.c_str(), c.attributes));
    ASSERT_EQ(GetFileAttributesW(made.c_str()) & c.attributes, c.attributes);
    EXPECT_EQ(SystemFileLookup().PlainFileName(folder.Text() + "\\" + c.asked), c.found);
    SetFileAttributesW(made.c_str(), FILE_ATTRIBUTE_NORMAL);  // a read-only file can't be removed
}

// clang-format off
const LookupCase kCases[] = {
    {"PlainFile", "MSINFO32.EXE", 0, "MSINFO32.EXE", "MSINFO32.EXE"},
    {"NameInAnotherCase", "msinfo32.exe", 0, "MSINFO32.EXE", "MSINFO32.EXE"},
    {"FolderOutsideTheCodePage", "Ωmega 日本 ő\\MSINFO32.EXE", 0, "Ωmega 日本 ő\\MSINFO32.EXE", "MSINFO32.EXE"},
    {"DoubledSeparator", "MSINFO32.EXE", 0, "\\MSINFO32.EXE", "MSINFO32.EXE"},
    {"ReadOnlyFile", "MSINFO32.EXE", FILE_ATTRIBUTE_READONLY, "MSINFO32.EXE", "MSINFO32.EXE"},
    {"HiddenFile", "MSINFO32.EXE", FILE_ATTRIBUTE_HIDDEN, "MSINFO32.EXE", ""},
    {"SystemFile", "MSINFO32.EXE", FILE_ATTRIBUTE_SYSTEM, "MSINFO32.EXE", ""},
    {"Folder", "MSINFO32.EXE\\", 0, "MSINFO32.EXE", ""},
    {"NearMiss", "MSINFO.EXE", 0, "MSINFO32.EXE", ""},
    {"MissingFolder", "MSINFO32.EXE", 0, "none\\MSINFO32.EXE", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Paths, SystemFileLookupWin32Test, ::testing::ValuesIn(kCases),
                         test::ParamName<LookupCase>);

// ---- The whole launch: the registry value it reads is written by the test and removed
// afterwards, the program it starts is the tests'.

// The whole launch, from a folder named outside the ANSI code page: the program recorded at the
// first location is started for real.
TEST(SysInfoLauncherWin32, ThePlatformServicesStartTheRecordedProgram) {
    Win32TestKey first(kSysInfoKey);
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

// ---- The program start over CreateProcess: a program of the tests' own is started and leaves
// a marker file behind.

// A program in a folder named with blanks, outside the ANSI code page: read unquoted, its path
// would start "...\Sys.exe" instead; its command line names it.
TEST(SystemProgramStarterWin32, StartsTheOneProgramItsPathNames) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.Path() / test::Utf8Path("Sys Info Ωmega 日本 ő"));
    const std::string decoyMarker = test::CopyStartMarker(folder.Text() + "\\Sys.exe");
    const std::string program = folder.Text() + "\\Sys Info Ωmega 日本 ő\\sys info.exe";
    const std::string marker = test::CopyStartMarker(program);

    ASSERT_TRUE(SystemProgramStarter().Start(program));
    ASSERT_TRUE(test::WaitForFile(test::Utf8Path(marker))) << "the program didn't run: " << program;
    const std::string commandLine = folder.Read("Sys Info Ωmega 日本 ő\\sys info.started");
    EXPECT_NE(commandLine.find(program), std::string::npos) << commandLine;
    EXPECT_FALSE(std::filesystem::exists(test::Utf8Path(decoyMarker)))
        << "a shorter path was started";
}

// Bytes that aren't exactly UTF-8 never start a program of a name they would become.
TEST(SystemProgramStarterWin32, NotExactTextStartsNothing) {
    test::TempFolder folder;
    test::CopyStartMarker(folder.Text() + "\\sysé.exe");
    test::CopyStartMarker(folder.Text() + "\\sys\uFFFD.exe");
    EXPECT_FALSE(SystemProgramStarter().Start(folder.Text() + "\\sys\xE9.exe"));
}

}  // namespace
}  // namespace kelvane

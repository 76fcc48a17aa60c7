#include "pages/about/sysinfolauncher.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakemsgbox.h"
#include "pages/about/memoryregistry.h"
#include "sysinfodoubles.h"

namespace kelvane {
namespace {

constexpr char kMsinfoPath[] = "C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe";
constexpr char kSharedTools[] = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

class LauncherFixture {
  protected:
    MemoryRegistry registry;
    test::FakeFileLookup files;
    test::RecordingStarter starter;
    test::FakeMsgBox msgBox;
    SysInfoLauncher launcher{registry, files, starter, msgBox};

    std::vector<std::string> KeysOpened() const {
        std::vector<std::string> keys;
        for (const auto& request : registry.openRequests) {
            keys.push_back(request.subKey);
        }
        return keys;
    }
};

// ---- GetKeyValue: one value under a test key, read back as text.

constexpr char kTestKey[] = "SOFTWARE\\Kelvane\\Test";
constexpr char kCallerText[] = "left by the caller";

struct ValueCase {
    const char* name;
    std::function<void(MemoryRegistry&)> store;
    bool result;
    std::string keyVal;
};

class GetKeyValueTest : public LauncherFixture, public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueTest, ReadsTheValueAsText) {
    GetParam().store(registry);
    std::string keyVal = kCallerText;
    EXPECT_EQ(launcher.GetKeyValue(kHkeyLocalMachine, kTestKey, "Value", keyVal),
              GetParam().result);
    EXPECT_EQ(keyVal, GetParam().keyVal);
    EXPECT_EQ(registry.OpenKeyCount(), 0) << "the key must be closed";
}

void StoreValue(MemoryRegistry& registry, std::uint32_t type, const std::string& data) {
    registry.SetValue(kHkeyLocalMachine, kTestKey, "Value", type, data);
}

const ValueCase kValueCases[] = {
    {"String",
     [](MemoryRegistry& r) { r.SetString(kHkeyLocalMachine, kTestKey, "Value", "C:\\x"); }, true,
     "C:\\x"},
    {"StringWithoutTerminatingZero", [](MemoryRegistry& r) { StoreValue(r, kRegSz, "abc"); }, true,
     "abc"},
    {"OnlyOneTrailingZeroDropped",
     [](MemoryRegistry& r) { StoreValue(r, kRegSz, std::string("abc\0\0", 5)); }, true,
     std::string("abc\0", 4)},
    {"ValueNameIgnoresCase",
     [](MemoryRegistry& r) { r.SetString(kHkeyLocalMachine, kTestKey, "VALUE", "x"); }, true, "x"},
    {"StringFillingTheBuffer",
     [](MemoryRegistry& r) {
         r.SetString(kHkeyLocalMachine, kTestKey, "Value", std::string(1023, 'a'));
     },
     true, std::string(1023, 'a')},
    {"StringOneByteOverTheBuffer",
     [](MemoryRegistry& r) {
         r.SetString(kHkeyLocalMachine, kTestKey, "Value", std::string(1024, 'a'));
     },
     false, ""},
    {"DwordZero", [](MemoryRegistry& r) { r.SetDword(kHkeyLocalMachine, kTestKey, "Value", 0); },
     true, "0"},
    {"DwordLowByteFirst",
     [](MemoryRegistry& r) { r.SetDword(kHkeyLocalMachine, kTestKey, "Value", 0x12345678); }, true,
     "305419896"},
    {"DwordLargest",
     [](MemoryRegistry& r) { r.SetDword(kHkeyLocalMachine, kTestKey, "Value", 0xFFFFFFFF); }, true,
     "4294967295"},
    {"ExpandableStringKeepsCallerText",
     [](MemoryRegistry& r) { StoreValue(r, kRegExpandSz, "%x%"); }, true, kCallerText},
    {"BinaryKeepsCallerText", [](MemoryRegistry& r) { StoreValue(r, kRegBinary, "\x01\x02"); },
     true, kCallerText},
    {"MissingValue",
     [](MemoryRegistry& r) { r.SetString(kHkeyLocalMachine, kTestKey, "Other", "x"); }, false, ""},
    {"MissingKey",
     [](MemoryRegistry& r) { r.SetString(kHkeyLocalMachine, "SOFTWARE\\Other", "Value", "x"); },
     false, ""},
    {"OtherRoot",
     [](MemoryRegistry& r) {
         r.SetString(static_cast<std::int32_t>(0x80000001u), kTestKey, "Value", "x");
     },
     false, ""},
    {"KeyRefused",
     [](MemoryRegistry& r) {
         r.SetString(kHkeyLocalMachine, kTestKey, "Value", "x");
         r.grantedAccess = 0;
     },
     false, ""},
};

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& named) { return std::string(named.param.name); });

class GetKeyValueFailureTest : public LauncherFixture, public ::testing::Test {};

TEST_F(GetKeyValueFailureTest, ValueWithNoDataPassesAFailureAndStillClosesTheKey) {
    StoreValue(registry, kRegSz, "");
    std::string keyVal = kCallerText;
    EXPECT_THROW(launcher.GetKeyValue(kHkeyLocalMachine, kTestKey, "Value", keyVal),
                 RegistryValueError);
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

TEST_F(GetKeyValueFailureTest, AsksForReadRightsOnly) {
    // A standard user may only read the machine-wide keys.
    registry.grantedAccess = kKeyRead;
    registry.SetString(kHkeyLocalMachine, kTestKey, "Value", "x");
    std::string keyVal;
    EXPECT_TRUE(launcher.GetKeyValue(kHkeyLocalMachine, kTestKey, "Value", keyVal));
    EXPECT_EQ(keyVal, "x");
    ASSERT_EQ(registry.openRequests.size(), 1u);
    EXPECT_EQ(registry.openRequests[0].access, kKeyRead);
    EXPECT_EQ(registry.openRequests[0].root, RootKey(kHkeyLocalMachine));
}

// ---- StartSysInfo: the two locations, the lookup and the start.

struct LaunchCase {
    const char* name;
    std::function<void(MemoryRegistry&, test::FakeFileLookup&, test::RecordingStarter&)> arrange;
    std::vector<std::string> attempts;  // programs the launcher tried to start
    bool message;                       // whether it said the program is unavailable
    std::vector<std::string> keysOpened;
};

class StartSysInfoTest : public LauncherFixture, public ::testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfoTest, StartsTheProgramOrSaysItIsUnavailable) {
    GetParam().arrange(registry, files, starter);
    launcher.StartSysInfo();

    EXPECT_EQ(starter.attempts, GetParam().attempts);
    if (GetParam().message) {
        ASSERT_EQ(msgBox.shown.size(), 1u);
        EXPECT_EQ(msgBox.shown[0].text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(msgBox.shown[0].style, MsgBox::Style::Plain);
        EXPECT_EQ(msgBox.shown[0].title, "") << "the box must carry the application title";
    } else {
        EXPECT_TRUE(msgBox.shown.empty());
    }
    EXPECT_EQ(KeysOpened(), GetParam().keysOpened);
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

void RecordFirst(MemoryRegistry& registry, const std::string& path) {
    registry.SetString(kHkeyLocalMachine, kSysInfoKey, "PATH", path);
}
void RecordSecond(MemoryRegistry& registry, const std::string& folder) {
    registry.SetString(kHkeyLocalMachine, kSysInfoLocationKey, "MSINFO", folder);
}

const std::vector<std::string> kFirstOnly = {kSysInfoKey};
const std::vector<std::string> kBoth = {kSysInfoKey, kSysInfoLocationKey};
const std::string kSecondProgram = std::string(kSharedTools) + "\\MSINFO32.EXE";

const LaunchCase kLaunchCases[] = {
    {"FirstLocationOnly",
     [](auto& registry, auto&, auto& starter) {
         RecordFirst(registry, kMsinfoPath);
         starter.installed = {kMsinfoPath};
     },
     {kMsinfoPath},
     false,
     kFirstOnly},
    {"FirstLocationWinsAndSecondIsNeverRead",
     [](auto& registry, auto& files, auto& starter) {
         RecordFirst(registry, kMsinfoPath);
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
         starter.installed = {kMsinfoPath, kSecondProgram};
     },
     {kMsinfoPath},
     false,
     kFirstOnly},
    {"FirstPathIsStartedWithoutLookup",
     [](auto& registry, auto&, auto& starter) {
         RecordFirst(registry, "D:\\tools\\sysinfo.exe");
         starter.installed = {"D:\\tools\\sysinfo.exe"};
     },
     {"D:\\tools\\sysinfo.exe"},
     false,
     kFirstOnly},
    {"StalePathInFirstLocation",
     [](auto& registry, auto&, auto&) { RecordFirst(registry, kMsinfoPath); },
     {kMsinfoPath},
     true,
     kFirstOnly},
    {"SecondLocationWithTheProgram",
     [](auto& registry, auto& files, auto& starter) {
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
         starter.installed = {kSecondProgram};
     },
     {kSecondProgram},
     false,
     kBoth},
    {"SecondLocationWithoutTheProgram",
     [](auto& registry, auto&, auto& starter) {
         RecordSecond(registry, kSharedTools);
         starter.installed = {kSecondProgram};
     },
     {},
     true,
     kBoth},
    {"FirstKeyWithoutValueFallsToSecond",
     [](auto& registry, auto& files, auto& starter) {
         registry.AddKey(kHkeyLocalMachine, kSysInfoKey);
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
         starter.installed = {kSecondProgram};
     },
     {kSecondProgram},
     false,
     kBoth},
    {"DoubledSeparatorIsKept",
     [](auto& registry, auto& files, auto& starter) {
         RecordSecond(registry, "C:\\Sys\\");
         files.files = {"C:\\Sys\\\\MSINFO32.EXE"};
         starter.installed = {"C:\\Sys\\\\MSINFO32.EXE"};
     },
     {"C:\\Sys\\\\MSINFO32.EXE"},
     false,
     kBoth},
    {"FirstValueTooLongCountsAsMissing",
     [](auto& registry, auto& files, auto& starter) {
         RecordFirst(registry, std::string(1024, 'p'));
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
         starter.installed = {kSecondProgram};
     },
     {kSecondProgram},
     false,
     kBoth},
    {"FirstValueWithNoDataEndsTheLaunch",
     [](auto& registry, auto& files, auto& starter) {
         registry.SetValue(kHkeyLocalMachine, kSysInfoKey, "PATH", kRegSz, "");
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
         starter.installed = {kSecondProgram};
     },
     {},
     true,
     kFirstOnly},
    {"FirstValueOfOtherTypeStartsNothing",
     [](auto& registry, auto& files, auto& starter) {
         registry.SetValue(kHkeyLocalMachine, kSysInfoKey, "PATH", kRegBinary, "C:\\x.exe");
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
         starter.installed = {kSecondProgram};
     },
     {""},
     true,
     kFirstOnly},
    {"FirstValueAsDword",
     [](auto& registry, auto&, auto& starter) {
         registry.SetDword(kHkeyLocalMachine, kSysInfoKey, "PATH", 42);
         starter.installed = {"42"};
     },
     {"42"},
     false,
     kFirstOnly},
    {"BothMissing", [](auto&, auto&, auto&) {}, {}, true, kBoth},
    {"ReadOnlyUserStillFindsTheProgram",
     [](auto& registry, auto&, auto& starter) {
         registry.grantedAccess = kKeyRead;
         RecordFirst(registry, kMsinfoPath);
         starter.installed = {kMsinfoPath};
     },
     {kMsinfoPath},
     false,
     kFirstOnly},
    {"RefusedKeysCountAsMissing",
     [](auto& registry, auto& files, auto& starter) {
         registry.grantedAccess = 0;
         RecordFirst(registry, kMsinfoPath);
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
         starter.installed = {kMsinfoPath, kSecondProgram};
     },
     {},
     true,
     kBoth},
};

INSTANTIATE_TEST_SUITE_P(Launches, StartSysInfoTest, ::testing::ValuesIn(kLaunchCases),
                         [](const auto& named) { return std::string(named.param.name); });

class StartSysInfoRepeatTest : public LauncherFixture, public ::testing::Test {};

TEST_F(StartSysInfoRepeatTest, EveryLaunchLooksAgain) {
    launcher.StartSysInfo();
    ASSERT_EQ(msgBox.shown.size(), 1u);

    RecordFirst(registry, kMsinfoPath);
    starter.installed = {kMsinfoPath};
    launcher.StartSysInfo();
    EXPECT_EQ(msgBox.shown.size(), 1u);
    EXPECT_EQ(starter.attempts, std::vector<std::string>{kMsinfoPath});
}

// The places the platform records the program, spelled out here as the platform names them
// rather than taken from the launcher's own constants, so that a misspelt constant shows.
TEST_F(StartSysInfoRepeatTest, ReadsThePlacesThePlatformRecordsTheProgramIn) {
    const auto machine = static_cast<std::int32_t>(0x80000002u);  // HKEY_LOCAL_MACHINE
    registry.SetString(machine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\S");
    files.files = {"C:\\S\\MSINFO32.EXE"};
    starter.installed = {"C:\\S\\MSINFO32.EXE", "C:\\P\\msinfo32.exe"};
    launcher.StartSysInfo();
    registry.SetString(machine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                       "C:\\P\\msinfo32.exe");
    launcher.StartSysInfo();

    EXPECT_TRUE(msgBox.shown.empty());
    EXPECT_EQ(starter.attempts,
              (std::vector<std::string>{"C:\\S\\MSINFO32.EXE", "C:\\P\\msinfo32.exe"}));
    ASSERT_EQ(registry.openRequests.size(), 3u);
    for (const auto& request : registry.openRequests) {
        EXPECT_EQ(request.root, static_cast<RegKey>(static_cast<std::intptr_t>(machine)));
        // Read rights only (read control, query value, enumerate subkeys, notify): a standard
        // user may not open the machine-wide keys with more.
        EXPECT_EQ(request.access, 0x20019u);
    }
}

TEST_F(StartSysInfoRepeatTest, LooksUpTheSecondLocationsProgramUnchanged) {
    RecordSecond(registry, "C:\\Sys\\");
    launcher.StartSysInfo();
    EXPECT_EQ(files.lookups, std::vector<std::string>{"C:\\Sys\\\\MSINFO32.EXE"});
}

}  // namespace
}  // namespace kelvane

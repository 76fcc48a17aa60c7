#include "pages/about/registrysysinfolocator.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "memoryregistry.h"
#include "registryqueries.h"
#include "sysinfodoubles.h"

namespace kelvane {
namespace {

using test::MemoryRegistry;

constexpr char kMsinfoPath[] = "C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe";
constexpr char kSharedTools[] = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

class LocatorFixture {
  protected:
    MemoryRegistry registry;
    test::FakeFileLookup files;
    RegistrySysInfoLocator locator{registry, files};

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

class GetKeyValueTest : public LocatorFixture, public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueTest, ReadsTheValueAsText) {
    GetParam().store(registry);
    std::string keyVal = kCallerText;
    EXPECT_EQ(locator.GetKeyValue(kHkeyLocalMachine, kTestKey, "Value", keyVal), GetParam().result);
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

class GetKeyValueFailureTest : public LocatorFixture, public ::testing::Test {};

TEST_F(GetKeyValueFailureTest, ValueWithNoDataPassesAFailureAndStillClosesTheKey) {
    StoreValue(registry, kRegSz, "");
    std::string keyVal = kCallerText;
    EXPECT_THROW(locator.GetKeyValue(kHkeyLocalMachine, kTestKey, "Value", keyVal),
                 RegistryValueError);
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

TEST_F(GetKeyValueFailureTest, AsksForReadRightsOnly) {
    // A standard user may only read the machine-wide keys.
    registry.grantedAccess = kKeyRead;
    registry.SetString(kHkeyLocalMachine, kTestKey, "Value", "x");
    std::string keyVal;
    EXPECT_TRUE(locator.GetKeyValue(kHkeyLocalMachine, kTestKey, "Value", keyVal));
    EXPECT_EQ(keyVal, "x");
    ASSERT_EQ(registry.openRequests.size(), 1u);
    EXPECT_EQ(registry.openRequests[0].access, kKeyRead);
    EXPECT_EQ(registry.openRequests[0].root, RootKey(kHkeyLocalMachine));
}

// ---- LocateSysInfo: the two locations and the lookup of the second one's program.

// What a lookup gives: the program, none, or a failure raised to the launcher.
struct Located {
    std::optional<std::string> program;
    bool raises = false;
};

struct LocateCase {
    const char* name;
    std::function<void(MemoryRegistry&, test::FakeFileLookup&)> arrange;
    Located located;
    std::vector<std::string> keysOpened;
    std::vector<std::string> fileLookups;
};

class LocateSysInfoTest : public LocatorFixture, public ::testing::TestWithParam<LocateCase> {};

TEST_P(LocateSysInfoTest, FindsTheRecordedProgram) {
    GetParam().arrange(registry, files);
    if (GetParam().located.raises) {
        EXPECT_THROW(locator.LocateSysInfo(), RegistryValueError);
    } else {
        EXPECT_EQ(locator.LocateSysInfo(), GetParam().located.program);
    }
    EXPECT_EQ(KeysOpened(), GetParam().keysOpened);
    EXPECT_EQ(files.lookups, GetParam().fileLookups);
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
const std::vector<std::string> kSecondLookup = {kSecondProgram};

const LocateCase kLocateCases[] = {
    {"FirstLocationIsTakenUntested",
     [](auto& registry, auto&) { RecordFirst(registry, "D:\\tools\\sysinfo.exe"); },
     {"D:\\tools\\sysinfo.exe"},
     kFirstOnly,
     {}},
    {"FirstLocationWinsAndSecondIsNeverRead",
     [](auto& registry, auto& files) {
         RecordFirst(registry, kMsinfoPath);
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
     },
     {kMsinfoPath},
     kFirstOnly,
     {}},
    {"SecondLocationWithTheProgram",
     [](auto& registry, auto& files) {
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
     },
     {kSecondProgram},
     kBoth,
     kSecondLookup},
    {"SecondLocationWithoutTheProgram",
     [](auto& registry, auto&) { RecordSecond(registry, kSharedTools); },
     {},
     kBoth,
     kSecondLookup},
    {"FirstKeyWithoutValueFallsToSecond",
     [](auto& registry, auto& files) {
         registry.AddKey(kHkeyLocalMachine, kSysInfoKey);
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
     },
     {kSecondProgram},
     kBoth,
     kSecondLookup},
    {"DoubledSeparatorIsKept",
     [](auto& registry, auto& files) {
         RecordSecond(registry, "C:\\Sys\\");
         files.files = {"C:\\Sys\\\\MSINFO32.EXE"};
     },
     {"C:\\Sys\\\\MSINFO32.EXE"},
     kBoth,
     {"C:\\Sys\\\\MSINFO32.EXE"}},
    {"FirstValueTooLongCountsAsMissing",
     [](auto& registry, auto& files) {
         RecordFirst(registry, std::string(1024, 'p'));
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
     },
     {kSecondProgram},
     kBoth,
     kSecondLookup},
    {"FirstValueWithNoDataEndsTheLookup",
     [](auto& registry, auto& files) {
         registry.SetValue(kHkeyLocalMachine, kSysInfoKey, "PATH", kRegSz, "");
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
     },
     {{}, true},
     kFirstOnly,
     {}},
    // The path stays as the caller's empty text; starting it then fails.
    {"FirstValueOfOtherTypeGivesAnEmptyPath",
     [](auto& registry, auto& files) {
         registry.SetValue(kHkeyLocalMachine, kSysInfoKey, "PATH", kRegBinary, "C:\\x.exe");
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
     },
     {""},
     kFirstOnly,
     {}},
    {"FirstValueAsDword",
     [](auto& registry, auto&) { registry.SetDword(kHkeyLocalMachine, kSysInfoKey, "PATH", 42); },
     {"42"},
     kFirstOnly,
     {}},
    {"BothMissing", [](auto&, auto&) {}, {}, kBoth, {}},
    {"ReadOnlyUserStillFindsTheProgram",
     [](auto& registry, auto&) {
         registry.grantedAccess = kKeyRead;
         RecordFirst(registry, kMsinfoPath);
     },
     {kMsinfoPath},
     kFirstOnly,
     {}},
    {"RefusedKeysCountAsMissing",
     [](auto& registry, auto& files) {
         registry.grantedAccess = 0;
         RecordFirst(registry, kMsinfoPath);
         RecordSecond(registry, kSharedTools);
         files.files = {kSecondProgram};
     },
     {},
     kBoth,
     {}},
};

INSTANTIATE_TEST_SUITE_P(Lookups, LocateSysInfoTest, ::testing::ValuesIn(kLocateCases),
                         [](const auto& named) { return std::string(named.param.name); });

class LocateSysInfoRepeatTest : public LocatorFixture, public ::testing::Test {};

TEST_F(LocateSysInfoRepeatTest, EveryLookupReadsTheRegistryAgain) {
    EXPECT_EQ(locator.LocateSysInfo(), std::nullopt);
    RecordFirst(registry, kMsinfoPath);
    EXPECT_EQ(locator.LocateSysInfo(), kMsinfoPath);
}

// The places the platform records the program, spelled out here as the platform names them
// rather than taken from the locator's own constants, so that a misspelt constant shows.
TEST_F(LocateSysInfoRepeatTest, ReadsThePlacesThePlatformRecordsTheProgramIn) {
    const auto machine = static_cast<std::int32_t>(0x80000002u);  // HKEY_LOCAL_MACHINE
    registry.SetString(machine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\S");
    files.files = {"C:\\S\\MSINFO32.EXE"};
    EXPECT_EQ(locator.LocateSysInfo(), "C:\\S\\MSINFO32.EXE");
    registry.SetString(machine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                       "C:\\P\\msinfo32.exe");
    EXPECT_EQ(locator.LocateSysInfo(), "C:\\P\\msinfo32.exe");

    ASSERT_EQ(registry.openRequests.size(), 3u);
    for (const auto& request : registry.openRequests) {
        EXPECT_EQ(request.root, static_cast<RegKey>(static_cast<std::intptr_t>(machine)));
        // Read rights only (read control, query value, enumerate subkeys, notify): a standard
        // user may not open the machine-wide keys with more.
        EXPECT_EQ(request.access, 0x20019u);
    }
}

// ---- The registry kept in memory answers as the platform's registry does.

class MemoryRegistryQueryTest : public ::testing::TestWithParam<test::RegistryQuery> {};

TEST_P(MemoryRegistryQueryTest, AnswersAsThePlatformRegistry) {
    MemoryRegistry registry;
    registry.SetValue(kHkeyLocalMachine, kTestKey, "Value", GetParam().type, GetParam().data);
    RegKey key = 0;
    ASSERT_EQ(registry.OpenKeyEx(RootKey(kHkeyLocalMachine), kTestKey, 0, kKeyRead, key),
              kErrorSuccess);
    test::ExpectRegistryAnswers(registry, key, GetParam());
    registry.CloseKey(key);
}

INSTANTIATE_TEST_SUITE_P(Queries, MemoryRegistryQueryTest,
                         ::testing::ValuesIn(test::kRegistryQueries), test::RegistryQueryName);

}  // namespace
}  // namespace kelvane

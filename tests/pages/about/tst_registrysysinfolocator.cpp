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

// ---- GetKeyValue: one value under the test key, read back as text, as from the real registry.

class GetKeyValueTest : public ::testing::TestWithParam<test::KeyValueCase> {};

TEST_P(GetKeyValueTest, ReadsTheValueAsText) {
    test::CountingRegistry<MemoryRegistry> registry;
    registry.SetValue(kHkeyLocalMachine, test::kTestKey, GetParam().storedAs, GetParam().type,
                      GetParam().data);
    test::ExpectGetKeyValue(registry, GetParam());
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::ValuesIn(test::kKeyValueCases),
                         test::CaseName<test::KeyValueCase>);

// ---- LocateSysInfo: the two locations and the lookup of the second one's program.

constexpr char kMsinfoPath[] = "C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe";
constexpr char kSharedTools[] = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

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

class LocateSysInfoTest : public ::testing::TestWithParam<LocateCase> {
  protected:
    MemoryRegistry registry;
    test::FakeFileLookup files;
    RegistrySysInfoLocator locator{registry, files};
};

TEST_P(LocateSysInfoTest, FindsTheRecordedProgram) {
    GetParam().arrange(registry, files);
    if (GetParam().located.raises) {
        EXPECT_THROW(locator.LocateSysInfo(), RegistryValueError);
    } else {
        EXPECT_EQ(locator.LocateSysInfo(), GetParam().located.program);
    }
    std::vector<std::string> keysOpened;
    for (const auto& request : registry.openRequests) {
        keysOpened.push_back(request.subKey);
    }
    EXPECT_EQ(keysOpened, GetParam().keysOpened);
    EXPECT_EQ(files.lookups, GetParam().fileLookups);
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

void RecordFirst(MemoryRegistry& registry, const std::string& path) {
    registry.SetString(kHkeyLocalMachine, kSysInfoKey, "PATH", path);
}
// The second location, with the program in its folder.
void RecordSecond(MemoryRegistry& registry, test::FakeFileLookup& files,
                  const std::string& folder = kSharedTools) {
    registry.SetString(kHkeyLocalMachine, kSysInfoLocationKey, "MSINFO", folder);
    files.files = {folder + "\\MSINFO32.EXE"};
}

const std::vector<std::string> kFirstOnly = {kSysInfoKey};
const std::vector<std::string> kBoth = {kSysInfoKey, kSysInfoLocationKey};
const std::string kSecondProgram = std::string(kSharedTools) + "\\MSINFO32.EXE";
const std::vector<std::string> kSecondLookup = {kSecondProgram};

// clang-format off
const LocateCase kLocateCases[] = {
    {"FirstLocationIsTakenUntested", [](auto& r, auto&) { RecordFirst(r, "D:\\tools\\sysinfo.exe"); },
     {"D:\\tools\\sysinfo.exe"}, kFirstOnly, {}},
    {"FirstLocationWinsAndSecondIsNeverRead",
     [](auto& r, auto& f) { RecordFirst(r, kMsinfoPath); RecordSecond(r, f); },
     {kMsinfoPath}, kFirstOnly, {}},
    {"SecondLocationWithTheProgram", [](auto& r, auto& f) { RecordSecond(r, f); },
     {kSecondProgram}, kBoth, kSecondLookup},
    {"SecondLocationWithoutTheProgram", [](auto& r, auto& f) { RecordSecond(r, f); f.files = {}; },
     {}, kBoth, kSecondLookup},
    {"FirstKeyWithoutValueFallsToSecond",
     [](auto& r, auto& f) { r.AddKey(kHkeyLocalMachine, kSysInfoKey); RecordSecond(r, f); },
     {kSecondProgram}, kBoth, kSecondLookup},
    {"DoubledSeparatorIsKept", [](auto& r, auto& f) { RecordSecond(r, f, "C:\\Sys\\"); },
     {"C:\\Sys\\\\MSINFO32.EXE"}, kBoth, {"C:\\Sys\\\\MSINFO32.EXE"}},
    {"FirstValueWithNoDataEndsTheLookup",
     [](auto& r, auto& f) { r.SetValue(kHkeyLocalMachine, kSysInfoKey, "PATH", kRegSz, ""); RecordSecond(r, f); },
     {{}, true}, kFirstOnly, {}},
    // The path stays as the caller's empty text; starting it then fails.
    {"FirstValueOfOtherTypeGivesAnEmptyPath",
     [](auto& r, auto& f) { r.SetValue(kHkeyLocalMachine, kSysInfoKey, "PATH", kRegBinary, "C:\\x.exe"); RecordSecond(r, f); },
     {""}, kFirstOnly, {}},
    {"BothMissing", [](auto&, auto&) {}, {}, kBoth, {}},
    {"RefusedKeysCountAsMissing",
     [](auto& r, auto& f) { r.grantedAccess = 0; RecordFirst(r, kMsinfoPath); RecordSecond(r, f); },
     {}, kBoth, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Lookups, LocateSysInfoTest, ::testing::ValuesIn(kLocateCases),
                         test::CaseName<LocateCase>);

// The places the platform records the program, spelled out here as the platform names them
// rather than taken from the locator's own constants, so that a misspelt constant shows; each
// lookup reads them again.
TEST_F(LocateSysInfoTest, ReadsThePlacesThePlatformRecordsTheProgramIn) {
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
    registry.SetValue(kHkeyLocalMachine, test::kTestKey, "Value", GetParam().type, GetParam().data);
    RegKey key = 0;
    ASSERT_EQ(registry.OpenKeyEx(RootKey(kHkeyLocalMachine), test::kTestKey, 0, kKeyRead, key),
              kErrorSuccess);
    test::ExpectRegistryAnswers(registry, key, GetParam());
    registry.CloseKey(key);
}

INSTANTIATE_TEST_SUITE_P(Queries, MemoryRegistryQueryTest,
                         ::testing::ValuesIn(test::kRegistryQueries),
                         test::CaseName<test::RegistryQuery>);

}  // namespace
}  // namespace kelvane

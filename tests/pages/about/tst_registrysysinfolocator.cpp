#include "pages/about/registrysysinfolocator.h"

#include <gtest/gtest.h>

#include <cstdint>
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
    MemoryRegistry registry;
    registry.SetValue(test::kTestKey, GetParam().storedAs, GetParam().type, GetParam().data);
    test::ExpectGetKeyValue(registry, GetParam());
    EXPECT_EQ(registry.OpenKeyCount(), 0) << "the key must be closed";
}

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::ValuesIn(test::kKeyValueCases),
                         test::CaseName<test::KeyValueCase>);

// ---- LocateSysInfo: the two places the platform records the program, spelled out here as the
// platform names them rather than taken from the locator's own constants, so that a misspelt
// constant shows.

constexpr char kFirstKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kSecondKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kMsinfoPath[] = "C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe";
constexpr char kSharedTools[] = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

const std::vector<std::string> kFirstOnly = {kFirstKey};
const std::vector<std::string> kBoth = {kFirstKey, kSecondKey};
const std::string kSecondProgram = std::string(kSharedTools) + "\\MSINFO32.EXE";

struct LocateCase {
    const char* name;
    std::uint32_t firstType;  // of the value at the first place; 0: none there
    std::string first;
    std::string second;  // the folder recorded at the second place; empty: none
    bool programThere;   // whether that folder holds the program
    std::optional<std::string> program;
    bool raises;  // a failure raised to the launcher
    std::vector<std::string> keysOpened;
    std::vector<std::string> fileLookups;
    std::uint32_t granted = 0x20019;  // a standard user's rights, to read only
};

class LocateSysInfoTest : public ::testing::TestWithParam<LocateCase> {};

TEST_P(LocateSysInfoTest, FindsTheRecordedProgram) {
    const LocateCase& c = GetParam();
    MemoryRegistry registry;
    test::FakeFileLookup files;
    RegistrySysInfoLocator locator{registry, files};
    // Nothing is recorded yet: each lookup reads the registry again.
    ASSERT_EQ(locator.LocateSysInfo(), std::nullopt);
    registry.opened.clear();
    if (c.firstType != 0) {
        registry.SetValue(kFirstKey, "PATH", c.firstType, c.first);
    }
    if (!c.second.empty()) {
        registry.SetValue(kSecondKey, "MSINFO", kRegSz, test::Sz(c.second));
    }
    if (c.programThere) {
        files.files = {c.second + "\\MSINFO32.EXE"};
    }
    registry.grantedAccess = c.granted;
    if (c.raises) {
        EXPECT_THROW(locator.LocateSysInfo(), RegistryValueError);
    } else {
        EXPECT_EQ(locator.LocateSysInfo(), c.program);
    }
    EXPECT_EQ(registry.opened, c.keysOpened);
    EXPECT_EQ(files.lookups, c.fileLookups);
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

// clang-format off
const LocateCase kLocateCases[] = {
    {"FirstLocationWinsUntestedAndSecondIsNeverRead", kRegSz, test::Sz(kMsinfoPath), kSharedTools, true, kMsinfoPath, false, kFirstOnly, {}},
    {"SecondLocationWithTheProgram", 0, "", kSharedTools, true, kSecondProgram, false, kBoth, {kSecondProgram}},
    {"SecondLocationWithoutTheProgram", 0, "", kSharedTools, false, {}, false, kBoth, {kSecondProgram}},
    {"DoubledSeparatorIsKept", 0, "", "C:\\Sys\\", true, "C:\\Sys\\\\MSINFO32.EXE", false, kBoth, {"C:\\Sys\\\\MSINFO32.EXE"}},
    {"FirstValueWithNoDataEndsTheLookup", kRegSz, "", kSharedTools, true, {}, true, kFirstOnly, {}},
    // The path stays as the caller's empty text; starting it then fails.
    {"FirstValueOfOtherTypeGivesAnEmptyPath", kRegBinary, "C:\\x.exe", kSharedTools, true, "", false, kFirstOnly, {}},
    {"BothMissing", 0, "", "", false, {}, false, kBoth, {}},
    {"RefusedKeysCountAsMissing", kRegSz, test::Sz(kMsinfoPath), kSharedTools, true, {}, false, kBoth, {}, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Lookups, LocateSysInfoTest, ::testing::ValuesIn(kLocateCases),
                         test::CaseName<LocateCase>);

}  // namespace
}  // namespace kelvane

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
                         test::ParamName<test::KeyValueCase>);

// ---- LocateSysInfo: the two places the platform records the program, spelled out here as the
// platform names them rather than taken from the locator's own constants, so that a misspelt
// constant shows.

constexpr char kFirstKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kSecondKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kMsinfoPath[] = "C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe";
constexpr char kSharedTools[] = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

const std::string kSecondProgram = std::string(kSharedTools) + "\\MSINFO32.EXE";

// A place read, or a path looked up, that the locator should pass over shows in its answer: the
// value at the second place may have no data, which raises when read, and the file the first
// place names is never there.
struct LocateCase {
    const char* name;
    std::uint32_t firstType;  // of the value at the first place; 0: none there
    std::string first;
    std::optional<std::string> second;  // the folder recorded at the second place, as stored
    std::string programFile;            // the only file there is
    std::optional<std::string> program;
    bool raises = false;              // a failure raised to the launcher
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
    if (c.firstType != 0) {
        registry.SetValue(kFirstKey, "PATH", c.firstType, c.first);
    }
    if (c.second) {
        registry.SetValue(kSecondKey, "MSINFO", kRegSz, *c.second);
    }
    files.files = {c.programFile};
    registry.grantedAccess = c.granted;
    if (c.raises) {
        EXPECT_THROW(locator.LocateSysInfo(), RegistryValueError);
    } else {
        EXPECT_EQ(locator.LocateSysInfo(), c.program);
    }
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

const std::string kSecond = test::Sz(kSharedTools);

// clang-format off
const LocateCase kLocateCases[] = {
    {"FirstLocationWinsUntestedAndSecondIsNeverRead", kRegSz, test::Sz(kMsinfoPath), "", "", kMsinfoPath},
    {"SecondLocationWithTheProgram", 0, "", kSecond, kSecondProgram, kSecondProgram},
    {"SecondLocationWithoutTheProgram", 0, "", kSecond, "", {}},
    {"DoubledSeparatorIsKept", 0, "", test::Sz("C:\\Sys\\"), "C:\\Sys\\\\MSINFO32.EXE", "C:\\Sys\\\\MSINFO32.EXE"},
    {"FirstValueWithNoDataEndsTheLookup", kRegSz, "", kSecond, kSecondProgram, {}, true},
    // The path stays as the caller's empty text; starting it then fails.
    {"FirstValueOfOtherTypeGivesAnEmptyPath", kRegBinary, "C:\\x.exe", kSecond, kSecondProgram, ""},
    {"BothMissing", 0, "", {}, kSecondProgram, {}},
    {"RefusedKeysCountAsMissing", kRegSz, test::Sz(kMsinfoPath), kSecond, kSecondProgram, {}, false, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Lookups, LocateSysInfoTest, ::testing::ValuesIn(kLocateCases),
                         test::ParamName<LocateCase>);

}  // namespace
}  // namespace kelvane

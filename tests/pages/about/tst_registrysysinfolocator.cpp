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
    // Nothing is recorded yet: each lookup reads the registry again.
    ASSERT_EQ(locator.LocateSysInfo(), std::nullopt);
    registry.opened.clear();
    GetParam().arrange(registry, files);
    if (GetParam().located.raises) {
        EXPECT_THROW(locator.LocateSysInfo(), RegistryValueError);
    } else {
        EXPECT_EQ(locator.LocateSysInfo(), GetParam().located.program);
    }
    EXPECT_EQ(registry.opened, GetParam().keysOpened);
    EXPECT_EQ(files.lookups, GetParam().fileLookups);
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

void RecordFirst(MemoryRegistry& registry, const std::string& path) {
    registry.SetValue(kFirstKey, "PATH", kRegSz, test::Sz(path));
}
// The second location, with the program in its folder.
void RecordSecond(MemoryRegistry& registry, test::FakeFileLookup& files,
                  const std::string& folder = kSharedTools) {
    registry.SetValue(kSecondKey, "MSINFO", kRegSz, test::Sz(folder));
    files.files = {folder + "\\MSINFO32.EXE"};
}

const std::vector<std::string> kFirstOnly = {kFirstKey};
const std::vector<std::string> kBoth = {kFirstKey, kSecondKey};
const std::string kSecondProgram = std::string(kSharedTools) + "\\MSINFO32.EXE";
const std::vector<std::string> kSecondLookup = {kSecondProgram};

// clang-format off
const LocateCase kLocateCases[] = {
    {"FirstLocationWinsUntestedAndSecondIsNeverRead",
     [](auto& r, auto& f) { RecordFirst(r, kMsinfoPath); RecordSecond(r, f); },
     {kMsinfoPath}, kFirstOnly, {}},
    {"SecondLocationWithTheProgram", [](auto& r, auto& f) { RecordSecond(r, f); },
     {kSecondProgram}, kBoth, kSecondLookup},
    {"SecondLocationWithoutTheProgram", [](auto& r, auto& f) { RecordSecond(r, f); f.files = {}; },
     {}, kBoth, kSecondLookup},
    {"DoubledSeparatorIsKept", [](auto& r, auto& f) { RecordSecond(r, f, "C:\\Sys\\"); },
     {"C:\\Sys\\\\MSINFO32.EXE"}, kBoth, {"C:\\Sys\\\\MSINFO32.EXE"}},
    {"FirstValueWithNoDataEndsTheLookup",
     [](auto& r, auto& f) { r.SetValue(kFirstKey, "PATH", kRegSz, ""); RecordSecond(r, f); },
     {{}, true}, kFirstOnly, {}},
    // The path stays as the caller's empty text; starting it then fails.
    {"FirstValueOfOtherTypeGivesAnEmptyPath",
     [](auto& r, auto& f) { r.SetValue(kFirstKey, "PATH", kRegBinary, "C:\\x.exe"); RecordSecond(r, f); },
     {""}, kFirstOnly, {}},
    {"BothMissing", [](auto&, auto&) {}, {}, kBoth, {}},
    {"RefusedKeysCountAsMissing",
     [](auto& r, auto& f) { r.grantedAccess = 0; RecordFirst(r, kMsinfoPath); RecordSecond(r, f); },
     {}, kBoth, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Lookups, LocateSysInfoTest, ::testing::ValuesIn(kLocateCases),
                         test::CaseName<LocateCase>);

}  // namespace
}  // namespace kelvane

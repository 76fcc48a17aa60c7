// GetKeyValue over the real Windows registry: each value is written by the test under a key of
// its own in HKEY_LOCAL_MACHINE, read back through advapi32, and removed afterwards.
#include "pages/about/win32registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "pages/about/registrysysinfolocator.h"
#include "registryqueries.h"
#include "sysinfodoubles.h"
#include "win32testkey.h"

namespace kelvane {
namespace {

using test::kTestKey;

// The cases the registry kept in memory answers too.
class Win32RegistryValueTest : public ::testing::TestWithParam<test::KeyValueCase> {};

TEST_P(Win32RegistryValueTest, GetKeyValueReadsTheValueAsText) {
    test::Win32TestKey key(kTestKey);
    key.Set(GetParam().storedAs, GetParam().type, GetParam().data);
    test::CountingRegistry<Win32Registry> registry;
    test::ExpectGetKeyValue(registry, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, Win32RegistryValueTest, ::testing::ValuesIn(test::kKeyValueCases),
                         test::CaseName<test::KeyValueCase>);

TEST(Win32Registry, NamesOutsideTheCodePagePassExactly) {
    const std::string keyName = std::string(kTestKey) + "\\Ωmega 日本 ő";
    const std::string folder = "C:\\Données\\ő 中文";
    test::Win32TestKey parent(kTestKey);
    test::Win32TestKey key(keyName);
    key.SetString("Café ő", folder);
    test::CountingRegistry<Win32Registry> registry;
    test::FakeFileLookup files;
    RegistrySysInfoLocator locator{registry, files};

    std::string keyVal;
    EXPECT_TRUE(locator.GetKeyValue(kHkeyLocalMachine, keyName, "Café ő", keyVal));
    EXPECT_EQ(keyVal, folder);
    // Bytes that aren't exactly UTF-8 name no key and no value.
    EXPECT_FALSE(locator.GetKeyValue(kHkeyLocalMachine, keyName, "Caf\xE9 \xF5", keyVal));
    EXPECT_FALSE(
        locator.GetKeyValue(kHkeyLocalMachine, std::string(kTestKey) + "\\\xCE", "Café ő", keyVal));
    EXPECT_EQ(registry.opened, registry.closed);
}

// ---- The registry's answers, as the registry kept in memory gives them too.

class Win32RegistryQueryTest : public ::testing::TestWithParam<test::RegistryQuery> {};

TEST_P(Win32RegistryQueryTest, AnswersAsThePlatformRegistry) {
    test::Win32TestKey stored(kTestKey);
    stored.Set("Value", GetParam().type, GetParam().data);
    Win32Registry registry;
    RegKey key = 0;
    ASSERT_EQ(registry.OpenKeyEx(RootKey(kHkeyLocalMachine), kTestKey, 0, KEY_READ, key),
              kErrorSuccess);
    test::ExpectRegistryAnswers(registry, key, GetParam());
    registry.CloseKey(key);
}

INSTANTIATE_TEST_SUITE_P(Queries, Win32RegistryQueryTest,
                         ::testing::ValuesIn(test::kRegistryQueries),
                         test::CaseName<test::RegistryQuery>);

}  // namespace
}  // namespace kelvane

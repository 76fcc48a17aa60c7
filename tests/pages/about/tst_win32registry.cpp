// GetKeyValue over the real Windows registry: each value is written by the test under a key of
// its own in HKEY_LOCAL_MACHINE, read back through advapi32, and removed afterwards.
#include "pages/about/win32registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "registryqueries.h"
#include "win32testkey.h"

namespace kelvane {
namespace {

// The cases the registry kept in memory answers too.
class Win32RegistryValueTest : public ::testing::TestWithParam<test::KeyValueCase> {};

TEST_P(Win32RegistryValueTest, GetKeyValueReadsTheValueAsText) {
    test::Win32TestKey key(test::kTestKey);
    key.Set(GetParam().storedAs, GetParam().type, GetParam().data);
    Win32Registry registry;
    test::ExpectGetKeyValue(registry, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, Win32RegistryValueTest, ::testing::ValuesIn(test::kKeyValueCases),
                         test::CaseName<test::KeyValueCase>);

}  // namespace
}  // namespace kelvane

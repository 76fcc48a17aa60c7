// GetKeyValue over the real Windows registry: each value is written by the test under a key of
// its own in HKEY_LOCAL_MACHINE, read back through advapi32, and removed afterwards.
#include "pages/about/win32registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "pages/about/registrysysinfolocator.h"
#include "registryqueries.h"
#include "sysinfodoubles.h"
#include "win32testkey.h"

namespace kelvane {
namespace {

constexpr char kTestKey[] = "SOFTWARE\\Kelvane Tests";
constexpr char kCallerText[] = "left by the caller";

// The real registry, counting the keys it opened and closed successfully.
class CountingRegistry : public Win32Registry {
  public:
    std::int32_t OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegKey& result) override {
        const std::int32_t status = Win32Registry::OpenKeyEx(root, subKey, options, access, result);
        opened += status == kErrorSuccess ? 1 : 0;
        lastAccess = access;
        return status;
    }
    std::int32_t CloseKey(RegKey key) override {
        const std::int32_t status = Win32Registry::CloseKey(key);
        closed += status == kErrorSuccess ? 1 : 0;
        return status;
    }

    int opened = 0;
    int closed = 0;
    std::uint32_t lastAccess = 0;
};

std::string Dword(DWORD number) {
    return std::string(reinterpret_cast<const char*>(&number), sizeof number);
}

std::string String(const std::string& text) {
    return std::string(text.c_str(), text.size() + 1);
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

struct ValueCase {
    const char* name;
    DWORD type;
    std::string data;
    bool result;
    std::string keyVal;
};

class Win32RegistryTest : public ::testing::Test {
  protected:
    CountingRegistry registry;
    test::FakeFileLookup files;
    RegistrySysInfoLocator locator{registry, files};
};

class Win32RegistryValueTest : public Win32RegistryTest,
                               public ::testing::WithParamInterface<ValueCase> {};

TEST_P(Win32RegistryValueTest, GetKeyValueReadsTheValueAsText) {
    test::Win32TestKey key(kTestKey);
    key.Set("Value", GetParam().type, GetParam().data);

    std::string keyVal = kCallerText;
    EXPECT_EQ(locator.GetKeyValue(kHkeyLocalMachine, kTestKey, "Value", keyVal), GetParam().result);
    EXPECT_EQ(keyVal, GetParam().keyVal);
    EXPECT_EQ(registry.opened, 1);
    EXPECT_EQ(registry.closed, 1) << "the key must be closed";
    EXPECT_EQ(registry.lastAccess, static_cast<std::uint32_t>(KEY_READ));
}

const ValueCase kValueCases[] = {
    {"String", REG_SZ, String("C:\\Tools\\sysinfo.exe"), true, "C:\\Tools\\sysinfo.exe"},
    {"StringWithBlanks", REG_SZ, String("C:\\Program Files\\Info\\msinfo32.exe"), true,
     "C:\\Program Files\\Info\\msinfo32.exe"},
    {"Dword", REG_DWORD, Dword(0x12345678), true, "305419896"},
    {"DwordAllBitsSet", REG_DWORD, Dword(0xFFFFFFFF), true, "4294967295"},
    {"StringFillingTheBuffer", REG_SZ, String(std::string(1023, 'a')), true,
     std::string(1023, 'a')},
    {"StringOneByteOverTheBuffer", REG_SZ, String(std::string(1024, 'a')), false, ""},
    // The buffer holds the text as the program reads it, in UTF-8.
    {"StringOutsideTheCodePage", REG_SZ, String("C:\\Ωmega 日本 ő\\😀.exe"), true,
     "C:\\Ωmega 日本 ő\\😀.exe"},
    {"Utf8FillingTheBuffer", REG_SZ, String(Repeat("日", 341)), true, Repeat("日", 341)},
    {"Utf8OverTheBuffer", REG_SZ, String(Repeat("日", 342)), false, ""},
    {"BinaryOverTheBuffer", REG_BINARY, std::string(4000, '\x01'), false, ""},
    {"Binary", REG_BINARY, "\x01\x02\x03", true, kCallerText},
    {"ExpandString", REG_EXPAND_SZ, String("%SystemRoot%\\system32"), true, kCallerText},
    {"MultiString", REG_MULTI_SZ, std::string("a\0b\0\0", 5), true, kCallerText},
};

INSTANTIATE_TEST_SUITE_P(Values, Win32RegistryValueTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(Win32RegistryTest, AValueWithNoDataIsAFailureThatPassesToTheCaller) {
    for (const DWORD type : {static_cast<DWORD>(REG_SZ), static_cast<DWORD>(REG_BINARY)}) {
        test::Win32TestKey key(kTestKey);
        key.Set("Empty", type, "");
        std::string keyVal = kCallerText;
        EXPECT_THROW(locator.GetKeyValue(kHkeyLocalMachine, kTestKey, "Empty", keyVal),
                     RegistryValueError)
            << "type " << type;
    }
    EXPECT_EQ(registry.opened, 2);
    EXPECT_EQ(registry.closed, 2) << "the key must be closed after a failure too";
}

TEST_F(Win32RegistryTest, AMissingValueOrKeyGivesFalseAndAnEmptyText) {
    test::Win32TestKey key(kTestKey);
    key.SetString("Other", "x");

    std::string keyVal = kCallerText;
    EXPECT_FALSE(locator.GetKeyValue(kHkeyLocalMachine, kTestKey, "Value", keyVal));
    EXPECT_EQ(keyVal, "");

    keyVal = kCallerText;
    EXPECT_FALSE(locator.GetKeyValue(kHkeyLocalMachine, std::string(kTestKey) + "\\No Such Key",
                                     "Value", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.opened, 1);
    EXPECT_EQ(registry.closed, 1);
}

TEST_F(Win32RegistryTest, NamesOutsideTheCodePagePassExactly) {
    const std::string keyName = std::string(kTestKey) + "\\Ωmega 日本 ő";
    const std::string folder = "C:\\Données\\ő 中文";
    test::Win32TestKey parent(kTestKey);
    test::Win32TestKey key(keyName);
    key.SetString("Café ő", folder);

    std::string keyVal;
    EXPECT_TRUE(locator.GetKeyValue(kHkeyLocalMachine, keyName, "Café ő", keyVal));
    EXPECT_EQ(keyVal, folder);
    // Bytes that aren't exactly UTF-8 name no key and no value.
    EXPECT_FALSE(locator.GetKeyValue(kHkeyLocalMachine, keyName, "Caf\xE9 \xF5", keyVal));
    EXPECT_FALSE(
        locator.GetKeyValue(kHkeyLocalMachine, std::string(kTestKey) + "\\\xCE", "Café ő", keyVal));
    EXPECT_EQ(registry.opened, registry.closed);
}

TEST_F(Win32RegistryTest, KeyAndValueNamesIgnoreCase) {
    test::Win32TestKey key(kTestKey);
    key.SetString("Path", "C:\\x");

    std::string keyVal;
    EXPECT_TRUE(locator.GetKeyValue(kHkeyLocalMachine, "software\\KELVANE TESTS", "PATH", keyVal));
    EXPECT_EQ(keyVal, "C:\\x");
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
                         ::testing::ValuesIn(test::kRegistryQueries), test::RegistryQueryName);

}  // namespace
}  // namespace kelvane

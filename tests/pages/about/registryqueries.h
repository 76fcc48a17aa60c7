#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "pages/about/registry.h"
#include "pages/about/registrysysinfolocator.h"
#include "paramname.h"
#include "sysinfodoubles.h"

namespace kelvane::test {

// The key under HKEY_LOCAL_MACHINE the registry tests store their values in, named outside the
// ANSI code page.
inline constexpr char kTestKey[] = "SOFTWARE\\Kelvane Tests Ωmega 日本 ő";
inline constexpr std::uint32_t kRegMultiSz = 7;

// A text value as stored, with its terminating zero.
inline std::string Sz(const std::string& text) {
    return text + '\0';
}
inline std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

inline constexpr char kCallerText[] = "left by the caller";

// One value stored under the test key, and what GetKeyValue reads of the value `readName` of
// `readKey` into the caller's text, which held kCallerText.
struct KeyValueCase {
    const char* name;
    const char* storedAs;  // the value's name
    std::uint32_t type;
    std::string data;  // as the program reads it: text in UTF-8, zeros included
    enum Outcome { kRead, kNone, kFails } outcome;
    std::string keyVal;
    std::string readName = "Value";
    std::string readKey = kTestKey;
};

// Failures name the case.
inline void PrintTo(const KeyValueCase& c, std::ostream* out) {
    *out << c.name;
}

// clang-format off
inline const KeyValueCase kKeyValueCases[] = {
    {"String", "Value", kRegSz, Sz("C:\\Program Files\\x.exe"), KeyValueCase::kRead, "C:\\Program Files\\x.exe"},
    {"StringWithoutTerminatingZero", "Value", kRegSz, "abc", KeyValueCase::kRead, "abc"},
    {"OnlyOneTrailingZeroDropped", "Value", kRegSz, std::string("abc\0\0", 5), KeyValueCase::kRead, std::string("abc\0", 4)},
    {"NamesIgnoreCase", "VALUE", kRegSz, Sz("x"), KeyValueCase::kRead, "x", "value", "software\\KELVANE TESTS Ωmega 日本 ő"},
    {"NameOutsideTheCodePage", "Café ő", kRegSz, Sz("x"), KeyValueCase::kRead, "x", "Café ő"},
    // Bytes that aren't exactly UTF-8 name no value, neither as the ANSI code page reads them
    // nor with their bad bytes replaced; and no key.
    {"NotExactNameIsNoAnsiName", "Café", kRegSz, Sz("x"), KeyValueCase::kNone, "", "Caf\xE9"},
    {"NotExactNameIsNoReplacedName", "Caf\uFFFD", kRegSz, Sz("x"), KeyValueCase::kNone, "", "Caf\xE9"},
    {"NotExactKey", "Value", kRegSz, Sz("x"), KeyValueCase::kNone, "", "Value", "SOFTWARE\\Kelvane Tests \xCE"},
    {"StringFillingTheBuffer", "Value", kRegSz, Sz(std::string(1023, 'a')), KeyValueCase::kRead, std::string(1023, 'a')},
    {"StringOneByteOverTheBuffer", "Value", kRegSz, Sz(std::string(1024, 'a')), KeyValueCase::kNone, ""},
    // The buffer holds the text as the program reads it, in UTF-8.
    {"StringOutsideTheCodePage", "Value", kRegSz, Sz("C:\\Ωmega 日本 ő\\😀.exe"), KeyValueCase::kRead, "C:\\Ωmega 日本 ő\\😀.exe"},
    {"Utf8OverTheBuffer", "Value", kRegSz, Sz(Repeat("日", 342)), KeyValueCase::kNone, ""},
    {"DwordLowByteFirst", "Value", kRegDword, "\x78\x56\x34\x12", KeyValueCase::kRead, "305419896"},
    {"DwordLargest", "Value", kRegDword, "\xFF\xFF\xFF\xFF", KeyValueCase::kRead, "4294967295"},
    {"ExpandableStringKeepsCallerText", "Value", kRegExpandSz, Sz("%SystemRoot%\\x"), KeyValueCase::kRead, kCallerText},
    {"BinaryKeepsCallerText", "Value", kRegBinary, "\x01\x02\x03", KeyValueCase::kRead, kCallerText},
    {"MultiStringKeepsCallerText", "Value", kRegMultiSz, std::string("a\0b\0\0", 5), KeyValueCase::kRead, kCallerText},
    {"BinaryOverTheBuffer", "Value", kRegBinary, std::string(4000, '\x01'), KeyValueCase::kNone, ""},
    {"ValueWithNoDataFails", "Value", kRegSz, "", KeyValueCase::kFails, ""},
    {"MissingValue", "Other", kRegSz, Sz("x"), KeyValueCase::kNone, ""},
    {"MissingKey", "Value", kRegSz, Sz("x"), KeyValueCase::kNone, "", "Value", std::string(kTestKey) + "\\No Such Key"},
};
// clang-format on

// Reads the case's value through the locator over `registry`, where it is stored; then reads it
// again without a buffer, as a caller asks what buffer a value needs.
inline void ExpectGetKeyValue(Registry& registry, const KeyValueCase& c) {
    FakeFileLookup files;
    RegistrySysInfoLocator locator(registry, files);
    std::string keyVal = kCallerText;
    if (c.outcome == KeyValueCase::kFails) {
        EXPECT_THROW(locator.GetKeyValue(kHkeyLocalMachine, c.readKey, c.readName, keyVal),
                     RegistryValueError);
    } else {
        EXPECT_EQ(locator.GetKeyValue(kHkeyLocalMachine, c.readKey, c.readName, keyVal),
                  c.outcome == KeyValueCase::kRead);
        EXPECT_EQ(keyVal, c.keyVal);
    }

    RegKey key = 0;
    if (registry.OpenKeyEx(RootKey(kHkeyLocalMachine), c.readKey, 0, kKeyRead, key) !=
        kErrorSuccess) {
        return;
    }
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const std::int32_t status = registry.QueryValueEx(key, c.readName, type, nullptr, size);
    EXPECT_NE(status, kErrorMoreData) << "a read without a buffer has none to run short of";
    if (status == kErrorSuccess) {
        EXPECT_EQ(type, c.type);
        // The size given is the one a buffer needs to take the value whole.
        std::vector<unsigned char> buffer(size + 1);
        std::uint32_t read = size;
        EXPECT_EQ(registry.QueryValueEx(key, c.readName, type, buffer.data(), read), kErrorSuccess);
        EXPECT_EQ(read, size);
    }
    registry.CloseKey(key);
}

}  // namespace kelvane::test

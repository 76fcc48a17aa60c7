#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "pages/about/registry.h"
#include "pages/about/registrysysinfolocator.h"
#include "sysinfodoubles.h"

namespace kelvane::test {

// The key under HKEY_LOCAL_MACHINE the registry tests store their values in.
inline constexpr char kTestKey[] = "SOFTWARE\\Kelvane Tests";
inline constexpr std::uint32_t kRegMultiSz = 7;

// One read of a stored value through Registry::QueryValueEx, and what the registry answers.
// Every registry the program or its tests use answers these alike.
struct RegistryQuery {
    const char* name;
    std::uint32_t type;  // the value stored
    std::string data;    // as the program reads it: text in UTF-8
    bool nullBuffer;     // no buffer: only the type and the length are asked for
    std::uint32_t bufferSize;
    std::int32_t status;
    std::uint32_t dataSize;
};

// Failures name the case.
inline void PrintTo(const RegistryQuery& query, std::ostream* out) {
    *out << query.name;
}

inline const RegistryQuery kRegistryQueries[] = {
    {"FitsTheBuffer", kRegBinary, "\x01\x02\x03", false, 8, kErrorSuccess, 3},
    {"FillsTheBuffer", kRegBinary, "abcd", false, 4, kErrorSuccess, 4},
    {"OneByteOverTheBuffer", kRegBinary, "abcde", false, 4, kErrorMoreData, 5},
    {"StringWithItsZero", kRegSz, std::string("C:\\x\0", 5), false, 1024, kErrorSuccess, 5},
    {"NullBufferAsksTheSizeOnly", kRegBinary, std::string(3000, 'x'), true, 0, kErrorSuccess, 3000},
    {"NullBufferWithARoomySize", kRegBinary, "abc", true, 1024, kErrorSuccess, 3},
    {"NullBufferForAString", kRegSz, std::string("C:\\x\0", 5), true, 1024, kErrorSuccess, 5},
};

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// Reads the value "Value" of the open `key`, stored as `query` says, and checks the answer.
inline void ExpectRegistryAnswers(Registry& registry, RegKey key, const RegistryQuery& query) {
    constexpr unsigned char kUntouched = 0xCC;
    std::vector<unsigned char> buffer(query.bufferSize + 1, kUntouched);  // one byte to spare
    std::uint32_t type = 0;
    std::uint32_t size = query.bufferSize;
    EXPECT_EQ(
        registry.QueryValueEx(key, "Value", type, query.nullBuffer ? nullptr : buffer.data(), size),
        query.status);
    EXPECT_EQ(size, query.dataSize);
    if (query.status != kErrorSuccess) {
        return;
    }
    EXPECT_EQ(type, query.type);
    if (!query.nullBuffer) {
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + size), query.data);
    }
    EXPECT_EQ(buffer.back(), kUntouched) << "written past the buffer";
}

// A text value as stored, with its terminating zero; a number, low byte first.
inline std::string Sz(const std::string& text) {
    return text + '\0';
}
inline std::string Dword(std::uint32_t n) {
    return {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
            static_cast<char>(n >> 24)};
}
inline std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

inline constexpr char kCallerText[] = "left by the caller";

// One value stored under the test key, and what GetKeyValue reads of the value "Value" of
// `readKey` into the caller's text, which held kCallerText.
struct KeyValueCase {
    const char* name;
    const char* storedAs;  // the value's name
    std::uint32_t type;
    std::string data;  // as the program reads it: text in UTF-8, zeros included
    enum Outcome { kRead, kNone, kFails } outcome;
    std::string keyVal;
    std::string readKey = kTestKey;
};

inline void PrintTo(const KeyValueCase& c, std::ostream* out) {
    *out << c.name;
}

// clang-format off
inline const KeyValueCase kKeyValueCases[] = {
    {"String", "Value", kRegSz, Sz("C:\\Program Files\\x.exe"), KeyValueCase::kRead, "C:\\Program Files\\x.exe"},
    {"StringWithoutTerminatingZero", "Value", kRegSz, "abc", KeyValueCase::kRead, "abc"},
    {"OnlyOneTrailingZeroDropped", "Value", kRegSz, std::string("abc\0\0", 5), KeyValueCase::kRead, std::string("abc\0", 4)},
    {"NamesIgnoreCase", "VALUE", kRegSz, Sz("x"), KeyValueCase::kRead, "x", "software\\KELVANE TESTS"},
    {"StringFillingTheBuffer", "Value", kRegSz, Sz(std::string(1023, 'a')), KeyValueCase::kRead, std::string(1023, 'a')},
    {"StringOneByteOverTheBuffer", "Value", kRegSz, Sz(std::string(1024, 'a')), KeyValueCase::kNone, ""},
    // The buffer holds the text as the program reads it, in UTF-8.
    {"StringOutsideTheCodePage", "Value", kRegSz, Sz("C:\\Ωmega 日本 ő\\😀.exe"), KeyValueCase::kRead, "C:\\Ωmega 日本 ő\\😀.exe"},
    {"Utf8FillingTheBuffer", "Value", kRegSz, Sz(Repeat("日", 341)), KeyValueCase::kRead, Repeat("日", 341)},
    {"Utf8OverTheBuffer", "Value", kRegSz, Sz(Repeat("日", 342)), KeyValueCase::kNone, ""},
    {"DwordZero", "Value", kRegDword, Dword(0), KeyValueCase::kRead, "0"},
    {"DwordLowByteFirst", "Value", kRegDword, Dword(0x12345678), KeyValueCase::kRead, "305419896"},
    {"DwordLargest", "Value", kRegDword, Dword(0xFFFFFFFF), KeyValueCase::kRead, "4294967295"},
    {"ExpandableStringKeepsCallerText", "Value", kRegExpandSz, Sz("%SystemRoot%\\x"), KeyValueCase::kRead, kCallerText},
    {"BinaryKeepsCallerText", "Value", kRegBinary, "\x01\x02\x03", KeyValueCase::kRead, kCallerText},
    {"MultiStringKeepsCallerText", "Value", kRegMultiSz, std::string("a\0b\0\0", 5), KeyValueCase::kRead, kCallerText},
    {"BinaryOverTheBuffer", "Value", kRegBinary, std::string(4000, '\x01'), KeyValueCase::kNone, ""},
    {"StringWithNoDataFails", "Value", kRegSz, "", KeyValueCase::kFails, ""},
    {"BinaryWithNoDataFails", "Value", kRegBinary, "", KeyValueCase::kFails, ""},
    {"MissingValue", "Other", kRegSz, Sz("x"), KeyValueCase::kNone, ""},
    {"MissingKey", "Value", kRegSz, Sz("x"), KeyValueCase::kNone, "", std::string(kTestKey) + "\\No Such Key"},
};
// clang-format on

// A registry that counts the keys it opened and closed, and keeps the rights last asked for.
template <typename Base>
class CountingRegistry : public Base {
  public:
    std::int32_t OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegKey& result) override {
        const std::int32_t status = Base::OpenKeyEx(root, subKey, options, access, result);
        opened += status == kErrorSuccess ? 1 : 0;
        lastAccess = access;
        return status;
    }
    std::int32_t CloseKey(RegKey key) override {
        const std::int32_t status = Base::CloseKey(key);
        closed += status == kErrorSuccess ? 1 : 0;
        return status;
    }

    int opened = 0;
    int closed = 0;
    std::uint32_t lastAccess = 0;
};

// Reads the case's value through the locator over `registry`, where it is stored: with read
// rights only, and the key closed again however the reading ends.
template <typename Base>
void ExpectGetKeyValue(CountingRegistry<Base>& registry, const KeyValueCase& c) {
    FakeFileLookup files;
    RegistrySysInfoLocator locator(registry, files);
    std::string keyVal = kCallerText;
    if (c.outcome == KeyValueCase::kFails) {
        EXPECT_THROW(locator.GetKeyValue(kHkeyLocalMachine, c.readKey, "Value", keyVal),
                     RegistryValueError);
    } else {
        EXPECT_EQ(locator.GetKeyValue(kHkeyLocalMachine, c.readKey, "Value", keyVal),
                  c.outcome == KeyValueCase::kRead);
        EXPECT_EQ(keyVal, c.keyVal);
    }
    EXPECT_EQ(registry.closed, registry.opened) << "the key must be closed";
    EXPECT_EQ(registry.lastAccess, kKeyRead);
}

}  // namespace kelvane::test

#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pages/about/registry.h"

namespace kelvane::test {

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

inline const RegistryQuery kRegistryQueries[] = {
    {"FitsTheBuffer", kRegBinary, "\x01\x02\x03", false, 8, kErrorSuccess, 3},
    {"FillsTheBuffer", kRegBinary, "abcd", false, 4, kErrorSuccess, 4},
    {"OneByteOverTheBuffer", kRegBinary, "abcde", false, 4, kErrorMoreData, 5},
    {"StringWithItsZero", kRegSz, std::string("C:\\x\0", 5), false, 1024, kErrorSuccess, 5},
    {"NullBufferAsksTheSizeOnly", kRegBinary, std::string(3000, 'x'), true, 0, kErrorSuccess, 3000},
    {"NullBufferWithARoomySize", kRegBinary, "abc", true, 1024, kErrorSuccess, 3},
    {"NullBufferForAString", kRegSz, std::string("C:\\x\0", 5), true, 1024, kErrorSuccess, 5},
};

inline std::string RegistryQueryName(const ::testing::TestParamInfo<RegistryQuery>& info) {
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

}  // namespace kelvane::test

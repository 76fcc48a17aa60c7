#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace kelvane::test {

// Files made and read by their names in the ANSI code page, as programs that know no other
// spelling make them: the C runtime takes a narrow name so.
inline void WriteAnsiFile(const std::string& path, const std::string& bytes) {
    if (!(std::ofstream(path, std::ios::binary) << bytes)) {
        throw std::runtime_error("can't write " + path);
    }
}

inline std::string ReadAnsiFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Whether byte 0xE9 is one character of the ANSI code page (as in the Windows code pages
// 1250 to 1258), so names holding it can be made through the "A" functions.
inline bool AnsiCodePageIsSingleByte() {
    return GetACP() != CP_UTF8 && !IsDBCSLeadByte(0xE9);
}

}  // namespace kelvane::test

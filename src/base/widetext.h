#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// The program's texts and Windows' wide ones. Inside the program a name is an 8-bit string,
// which on Windows holds UTF-8; the Win32 layers convert at each call into the system, whose
// wide ("W") functions take UTF-16. A wstring here holds UTF-16 code units, one per wchar_t.

// The UTF-16 of a UTF-8 text; empty when the bytes aren't exactly UTF-8 (a stray byte, an
// overlong form, an encoded surrogate). A text that can't be spelt exactly is refused, so that
// it never reaches a file of another name.
std::optional<std::wstring> ToWide(std::string_view utf8);

// The same for a text that is only shown: what isn't UTF-8 shows as U+FFFD, byte by byte.
std::wstring ToWideShown(std::string_view utf8);

// The UTF-8 of a UTF-16 text, as the system gives it. A surrogate without its pair (a name
// NTFS allows) keeps its three-byte form, which ToWide refuses and ToWideShown shows as U+FFFD.
std::string FromWide(std::wstring_view utf16);

// Positions in a UTF-8 text and in what ToWideShown shows of it. The UTF-16 units shown for the
// first `bytes` bytes; and the bytes of the first `units` units shown. A position inside a
// character counts the character whole.
std::size_t ShownUnitsBefore(std::string_view utf8, std::size_t bytes);
std::size_t BytesBeforeShownUnit(std::string_view utf8, std::size_t units);

}  // namespace kelvane

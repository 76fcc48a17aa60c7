#include "base/widetext.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kelvane {
namespace {

struct WideCase {
    const char* what;
    std::string utf8;
    std::optional<std::wstring> wide;  // empty: refused
};

const WideCase kCases[] = {
    {"plain", "Report.Txt", L"Report.Txt"},
    {"look-alikes", "\xC5\x91.txt o.txt", std::wstring{0x151} + L".txt o.txt"},
    {"three scripts", "\xCE\xA9\xE6\x97\xA5\xD0\x96", std::wstring{0x3A9, 0x65E5, 0x416}},
    {"beyond 16 bits", "\xF0\x9F\x98\x80", std::wstring{0xD83D, 0xDE00}},
    {"every width",
     "a\xCE\xA9\xE6\x97\xA5\xF0\x9F\x98\x80"
     "b",
     std::wstring{L'a', 0x3A9, 0x65E5, 0xD83D, 0xDE00, L'b'}},
    {"empty", "", L""},
    {"stray continuation", "a\x80", std::nullopt},
    {"cut short", "\xE6\x97", std::nullopt},
    {"overlong", "\xC0\xAF", std::nullopt},
    {"encoded surrogate", "\xED\xA0\x80", std::nullopt},
    {"past U+10FFFF", "\xF4\x90\x80\x80", std::nullopt},
    {"Latin-1, not UTF-8", "caf\xE9", std::nullopt},
};

TEST(WideText, ConvertsExactlyOrRefuses) {
    for (const WideCase& c : kCases) {
        EXPECT_EQ(ToWide(c.utf8), c.wide) << c.what;
        if (c.wide) {
            EXPECT_EQ(FromWide(*c.wide), c.utf8) << c.what;
            EXPECT_EQ(ToWideShown(c.utf8), *c.wide) << c.what;
        } else {
            EXPECT_NE(ToWideShown(c.utf8).find(wchar_t{0xFFFD}), std::wstring::npos) << c.what;
        }
        // Each position shown, as bytes and back: a position inside a pair of surrogates
        // counts the character whole.
        const std::wstring shown = ToWideShown(c.utf8);
        for (std::size_t units = 0; units <= shown.size(); ++units) {
            const bool halfway = units > 0 && units < shown.size() && shown[units] >= 0xDC00 &&
                                 shown[units] <= 0xDFFF;
            const std::size_t whole = halfway ? units + 1 : units;
            const std::size_t bytes = BytesBeforeShownUnit(c.utf8, units);
            EXPECT_EQ(ToWideShown(c.utf8.substr(0, bytes)), shown.substr(0, whole)) << c.what;
            EXPECT_EQ(ShownUnitsBefore(c.utf8, bytes), whole) << c.what;
        }
    }
}

// NTFS allows names with a surrogate left unpaired; they read back as bytes that can't be turned
// into any name, and so never into another file's.
struct UnpairedCase {
    const char* what;
    std::wstring name;
    std::wstring shown;
};

const UnpairedCase kUnpaired[] = {
    {"before a letter", {L'a', 0xD800, L'b'}, {L'a', 0xFFFD, 0xFFFD, 0xFFFD, L'b'}},
    // Taken with a unit above the low surrogates, it would make U+12321.
    {"before a full-width letter", {L'a', 0xD800, 0xFF21}, {L'a', 0xFFFD, 0xFFFD, 0xFFFD, 0xFF21}},
};

TEST(WideText, AnUnpairedSurrogateNeverNamesAnotherFile) {
    for (const UnpairedCase& c : kUnpaired) {
        const std::string bytes = FromWide(c.name);
        EXPECT_FALSE(ToWide(bytes).has_value()) << c.what;
        EXPECT_EQ(ToWideShown(bytes), c.shown) << c.what;
    }
}

}  // namespace
}  // namespace kelvane

#include "widetext.h"

#include <utility>

namespace kelvane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point that starts at `at`, moving `at` past it; empty, moving it one byte, for bytes
// that aren't one.
std::optional<char32_t> NextCodePoint(std::string_view utf8, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    std::size_t length = 0;
    char32_t point = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, least = 0x10000;
    } else {
        ++at;
        return std::nullopt;
    }
    if (utf8.size() - at < length) {
        ++at;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return std::nullopt;
        }
        point = point << 6 | (byte(at + i) & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        ++at;
        return std::nullopt;
    }
    at += length;
    return point;
}

void AppendUtf16(std::wstring& out, char32_t point) {
    if (point < 0x10000) {
        out.push_back(static_cast<wchar_t>(point));
        return;
    }
    point -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (point >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (point & 0x3FF)));
}

void AppendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out.push_back(static_cast<char>(point));
    } else if (point < 0x800) {
        out.push_back(static_cast<char>(0xC0 | point >> 6));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else if (point < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | point >> 12));
        out.push_back(static_cast<char>(0x80 | (point >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | point >> 18));
        out.push_back(static_cast<char>(0x80 | (point >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    }
}

// Walks the text character by character as ToWideShown does, until `stop(bytes, units)` (the
// bytes read and the units shown so far) holds; the position reached.
template <typename Stop>
std::pair<std::size_t, std::size_t> WalkShown(std::string_view utf8, Stop stop) {
    std::size_t bytes = 0;
    std::size_t units = 0;
    while (bytes < utf8.size() && !stop(bytes, units)) {
        units += NextCodePoint(utf8, bytes).value_or(kReplacement) < 0x10000 ? 1 : 2;
    }
    return {bytes, units};
}

}  // namespace

std::size_t ShownUnitsBefore(std::string_view utf8, std::size_t bytes) {
    return WalkShown(utf8, [bytes](std::size_t read, std::size_t) { return read >= bytes; }).second;
}

std::size_t BytesBeforeShownUnit(std::string_view utf8, std::size_t units) {
    return WalkShown(utf8, [units](std::size_t, std::size_t shown) { return shown >= units; })
        .first;
}

std::optional<std::wstring> ToWide(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<char32_t> point = NextCodePoint(utf8, at);
        if (!point) {
            return std::nullopt;
        }
        AppendUtf16(wide, *point);
    }
    return wide;
}

std::wstring ToWideShown(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        AppendUtf16(wide, NextCodePoint(utf8, at).value_or(kReplacement));
    }
    return wide;
}

std::string FromWide(std::wstring_view utf16) {
    std::string utf8;
    utf8.reserve(utf16.size());
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        char32_t unit = static_cast<char32_t>(utf16[at]) & 0xFFFF;
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < utf16.size()) {
            const char32_t low = static_cast<char32_t>(utf16[at + 1]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++at;
            }
        }
        AppendUtf8(utf8, unit);
    }
    return utf8;
}

}  // namespace kelvane

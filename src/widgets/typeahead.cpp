#include "typeahead.h"

#include <utility>

namespace kelvane {

namespace {

std::function<std::int64_t()>& TestClock() {
    static std::function<std::int64_t()> clock;
    return clock;
}

}  // namespace

std::int64_t TypeAheadTime(std::int64_t keyTime) {
    return TestClock() ? TestClock()() : keyTime;
}

void SetTypeAheadClock(std::function<std::int64_t()> clock) {
    TestClock() = std::move(clock);
}

namespace {

// The lower-case letter of a capital, for the alphabets TypeAheadRow names; else `c` itself.
char32_t Fold(char32_t c) {
    const bool evenIsCapital =
        (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    const bool oddIsCapital = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((evenIsCapital && c % 2 == 0) || (oddIsCapital && c % 2 == 1)) {
        return c + 1;
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    // Ÿ, the Greek capitals with an accent, and the final form of σ.
    constexpr std::pair<char32_t, char32_t> kOthers[] = {
        {0x178, 0xFF},  {0x386, 0x3AC}, {0x388, 0x3AD}, {0x389, 0x3AE}, {0x38A, 0x3AF},
        {0x38C, 0x3CC}, {0x38E, 0x3CD}, {0x38F, 0x3CE}, {0x3C2, 0x3C3}};
    for (const auto& [other, folded] : kOthers) {
        if (c == other) {
            return folded;
        }
    }
    return c;
}

// The character that starts at `at`, folded, moving `at` past it. Every letter folded is below
// U+0800, so a two-byte sequence is read whole and any other byte as it is.
char32_t NextFolded(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead >= 0xC2 && lead <= 0xDF && at < text.size() &&
        (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
        return Fold(static_cast<char32_t>((lead & 0x1F) << 6 | (text[at++] & 0x3F)));
    }
    return lead < 0x80 ? Fold(lead) : 0x110000 + lead;  // not one of the folded characters
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    std::size_t inText = 0;
    std::size_t inPrefix = 0;
    while (inPrefix < prefix.size()) {
        if (inText == text.size() || NextFolded(text, inText) != NextFolded(prefix, inPrefix)) {
            return false;
        }
    }
    return true;
}

// The first row from `start` on, round past the end, whose text starts with `typed`; -1 for none.
int RowFrom(int rowCount, int start, std::string_view typed,
            const std::function<std::string_view(int row)>& textOf) {
    for (int step = 0; step < rowCount; ++step) {
        const int row = (start + step) % rowCount;
        if (StartsWith(textOf(row), typed)) {
            return row;
        }
    }
    return -1;
}

// The bytes of the UTF-8 character that starts at `at`: a lone or broken byte counts as one.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t have = 1;
    while (have < length && at + have < text.size() &&
           (static_cast<unsigned char>(text[at + have]) & 0xC0) == 0x80) {
        ++have;
    }
    return have == length ? length : 1;
}

// Whether `text` is `first` typed more than once, letters without regard to case.
bool IsOneCharacterRepeated(std::string_view text, std::string_view first) {
    if (text.size() == first.size()) {
        return false;
    }
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view character = text.substr(at, CharacterLength(text, at));
        if (character.size() != first.size() || !StartsWith(character, first)) {
            return false;
        }
        at += character.size();
    }
    return true;
}

}  // namespace

bool IsTypeAheadKey(std::string_view typed) {
    return !typed.empty() && static_cast<unsigned char>(typed.front()) > ' ' &&
           typed.front() != 127;
}

int TypeAheadRow(int rowCount, int current, std::string_view typed,
                 const std::function<std::string_view(int row)>& textOf) {
    if (!IsTypeAheadKey(typed)) {
        return -1;
    }
    return RowFrom(rowCount, current >= 0 && current < rowCount ? current + 1 : 0, typed, textOf);
}

TypeAhead::Result TypeAhead::Type(std::string_view typed, std::int64_t timeMs,
                                  std::int64_t intervalMs, int rowCount, int current,
                                  const std::function<std::string_view(int row)>& textOf) {
    if (!IsTypeAheadKey(typed)) {
        return {};  // the list's own key; a text being typed goes on after it
    }
    const bool quick = !typed_.empty() && timeMs >= lastMs_ && timeMs - lastMs_ <= intervalMs;
    lastMs_ = timeMs;
    if (!quick) {
        typed_ = typed;
        return {true, TypeAheadRow(rowCount, current, typed_, textOf)};
    }
    typed_ += typed;
    const std::string_view first(typed_.data(), CharacterLength(typed_, 0));
    if (IsOneCharacterRepeated(typed_, first)) {
        return {true, TypeAheadRow(rowCount, current, first, textOf)};
    }
    return {true,
            RowFrom(rowCount, current >= 0 && current < rowCount ? current : 0, typed_, textOf)};
}

}  // namespace kelvane

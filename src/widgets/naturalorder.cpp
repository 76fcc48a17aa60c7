#include "naturalorder.h"

#include <cstddef>

namespace kelvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

unsigned char Fold(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// Compares the digit runs that start at a[i] and b[j] by value, and moves i and j past them.
// Returns <0, 0 or >0.
int CompareNumbers(std::string_view a, std::size_t& i, std::string_view b, std::size_t& j) {
    auto skipZeros = [](std::string_view s, std::size_t& k) {
        while (k < s.size() && s[k] == '0') {
            ++k;
        }
    };
    skipZeros(a, i);
    skipZeros(b, j);
    const std::size_t startA = i;
    const std::size_t startB = j;
    while (i < a.size() && IsDigit(a[i])) {
        ++i;
    }
    while (j < b.size() && IsDigit(b[j])) {
        ++j;
    }
    const std::size_t lengthA = i - startA;
    const std::size_t lengthB = j - startB;
    if (lengthA != lengthB) {
        return lengthA < lengthB ? -1 : 1;
    }
    return a.substr(startA, lengthA).compare(b.substr(startB, lengthB));
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const int order = CompareNumbers(a, i, b, j);
            if (order != 0) {
                return order < 0;
            }
            continue;
        }
        const unsigned char ca = Fold(a[i]);
        const unsigned char cb = Fold(b[j]);
        if (ca != cb) {
            return ca < cb;
        }
        ++i;
        ++j;
    }
    if ((i < a.size()) != (j < b.size())) {
        return j < b.size();  // the shorter name, a prefix of the other, comes first
    }
    return a < b;  // equal but for case or leading zeros: fall back to the bytes
}

}  // namespace kelvane

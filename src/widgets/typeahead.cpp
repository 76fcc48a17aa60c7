#include "typeahead.h"

namespace kelvane {

namespace {

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Fold(text[i]) != Fold(prefix[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

int TypeAheadRow(int rowCount, int current, std::string_view typed,
                 const std::function<std::string_view(int row)>& textOf) {
    if (typed.empty() || static_cast<unsigned char>(typed.front()) <= ' ' || typed.front() == 127) {
        return -1;
    }
    const int start = current >= 0 && current < rowCount ? current + 1 : 0;
    for (int step = 0; step < rowCount; ++step) {
        const int row = (start + step) % rowCount;
        if (StartsWith(textOf(row), typed)) {
            return row;
        }
    }
    return -1;
}

}  // namespace kelvane

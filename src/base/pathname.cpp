#include "pathname.h"

namespace kelvane {

namespace {

bool IsSeparator(char c) {
    return c == kFolderSeparator || c == '/';
}

}  // namespace

std::string GetExtensionName(std::string_view path) {
    std::size_t start = path.size();
    while (start > 0 && !IsSeparator(path[start - 1])) {
        --start;
    }
    const std::string_view last = path.substr(start);
    const auto dot = last.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(last.substr(dot + 1));
}

std::string JoinFolder(std::string_view folder, std::string_view name) {
    std::string full(folder);
    if (!full.empty() && full.back() != kFolderSeparator) {
        full += kFolderSeparator;
    }
    full += name;
    return full;
}

}  // namespace kelvane

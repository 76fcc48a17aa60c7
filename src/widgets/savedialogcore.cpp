#include "savedialogcore.h"

namespace kelvane {

std::vector<SaveDialogCore::FilterEntry> SaveDialogCore::FilterEntries(const std::string& filter) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) {
            break;
        }
        start = bar + 1;
    }
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        entries.push_back({parts[i], parts[i + 1]});
    }
    return entries;
}

}  // namespace kelvane

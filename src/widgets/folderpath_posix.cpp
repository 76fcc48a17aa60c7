#include <algorithm>
#include <filesystem>

#include "folderpath.h"
#include "widgeterror.h"

namespace kelvane {

namespace fs = std::filesystem;

std::string NormalFolder(const std::string& path) {
    if (path.empty()) {
        throw WidgetError("no folder given");
    }
    fs::path full(path);
    if (full.is_relative()) {
        full = fs::current_path() / full;
    }
    full = full.lexically_normal();
    if (!full.has_filename() && full != full.root_path()) {
        full = full.parent_path();
    }
    return full.string();
}

std::vector<FolderStep> FolderChain(const std::string& folder) {
    std::vector<FolderStep> chain;
    for (fs::path step(folder);; step = step.parent_path()) {
        chain.push_back({step.string(), step.filename().string()});
        if (step == step.parent_path() || !step.has_relative_path()) {
            break;
        }
    }
    std::reverse(chain.begin(), chain.end());
    chain.front().name = chain.front().path;
    return chain;
}

bool FolderHolds(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.compare(0, folder.size(), folder) != 0) {
        return false;
    }
    return path.size() == folder.size() || folder.back() == '/' || path[folder.size()] == '/';
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

}  // namespace kelvane

#include "platformfiles.h"

namespace kelvane {

bool PlatformFile::Is(const FileIdentity& identity) {
    const std::optional<FileIdentity> own = Identity();
    return own && *own == identity;
}

std::optional<FileStatus> PlatformFiles::LookUp(const std::string& path) {
    if (IsFile(path)) {
        return FileStatus{false, Identity(path)};
    }
    if (const auto identity = Identity(path)) {
        return FileStatus{true, identity};  // something that is not a file: a folder
    }
    return std::nullopt;
}

std::vector<std::optional<FileStatus>> PlatformFiles::LookUpIn(
    const std::string& folder, const std::vector<std::string>& names) {
    std::vector<std::optional<FileStatus>> found;
    found.reserve(names.size());
    for (const std::string& name : names) {
        found.push_back(LookUp(folder + name));
    }
    return found;
}

}  // namespace kelvane

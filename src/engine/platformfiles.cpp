#include "platformfiles.h"

namespace kelvane {

bool PlatformFile::Is(const FileIdentity& identity) {
    const std::optional<FileIdentity> own = Identity();
    return own && *own == identity;
}

std::vector<std::optional<FileStatus>> JoinedFolder::LookUp(const std::vector<std::string>& names) {
    std::vector<std::optional<FileStatus>> found;
    found.reserve(names.size());
    for (const std::string& name : names) {
        found.push_back(files_.LookUp(folder_ + name));
    }
    return found;
}

std::unique_ptr<PlatformFile> JoinedFolder::Open(const std::string& name) {
    return files_.Open(folder_ + name, PlatformFiles::Access::Read, false);
}

std::unique_ptr<PlatformFolder> PlatformFiles::Folder(const std::string& folder) {
    return std::make_unique<JoinedFolder>(*this, folder);
}

}  // namespace kelvane

#include "platformfiles.h"

namespace kelvane {

bool PlatformFile::Is(const FileIdentity& identity) {
    const std::optional<FileIdentity> own = Identity();
    return own && *own == identity;
}

namespace {

// A folder whose names are reached by their full paths.
class JoinedFolder : public PlatformFolder {
  public:
    JoinedFolder(PlatformFiles& files, std::string folder)
        : files_(files), folder_(std::move(folder)) {}

    std::vector<std::optional<FileStatus>> LookUp(const std::vector<std::string>& names) override {
        std::vector<std::optional<FileStatus>> found;
        found.reserve(names.size());
        for (const std::string& name : names) {
            found.push_back(files_.LookUp(folder_ + name));
        }
        return found;
    }

    std::unique_ptr<PlatformFile> Open(const std::string& name) override {
        return files_.Open(folder_ + name, PlatformFiles::Access::Read, false);
    }

  private:
    PlatformFiles& files_;
    std::string folder_;
};

}  // namespace

std::unique_ptr<PlatformFolder> PlatformFiles::Folder(const std::string& folder) {
    return std::make_unique<JoinedFolder>(*this, folder);
}

}  // namespace kelvane

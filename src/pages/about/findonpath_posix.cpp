#include "findonpath.h"

#include <filesystem>
#include <system_error>

namespace kelvane {

namespace {

std::vector<std::filesystem::path> Folders(const std::string& folderList) {
    std::vector<std::filesystem::path> folders;
    std::string::size_type start = 0;
    while (start <= folderList.size()) {
        auto end = folderList.find(':', start);
        if (end == std::string::npos) {
            end = folderList.size();
        }
        const std::filesystem::path folder = folderList.substr(start, end - start);
        if (folder.is_absolute()) {
            folders.push_back(folder);
        }
        start = end + 1;
    }
    return folders;
}

bool IsExecutableFile(const std::filesystem::path& file) {
    using std::filesystem::perms;
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    return !error && std::filesystem::is_regular_file(status) &&
           (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
               perms::none;
}

}  // namespace

std::string FindOnPath(const std::vector<std::string>& programs, const std::string& folderList) {
    const auto folders = Folders(folderList);
    for (const auto& program : programs) {
        for (const auto& folder : folders) {
            const auto candidate = folder / program;
            if (IsExecutableFile(candidate)) {
                return candidate.string();
            }
        }
    }
    return {};
}

}  // namespace kelvane

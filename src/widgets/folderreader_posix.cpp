#include "folderreader.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <memory>

#include "widgeterror.h"

namespace kelvane {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

FolderContents ReadFolder(const std::string& folder) {
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) {
        throw WidgetError("can't list folder " + folder);
    }
    const int fd = dirfd(dir.get());
    FolderContents contents;
    while (const dirent* entry = readdir(dir.get())) {
        const char* name = entry->d_name;
        if (name[0] == '.') {
            continue;  // hidden, and the "." and ".." entries
        }
        bool isFile = entry->d_type == DT_REG;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            if (fstatat(fd, name, &info, 0) != 0) {
                continue;  // a dangling link
            }
            isFile = S_ISREG(info.st_mode);
            isFolder = S_ISDIR(info.st_mode);
        }
        if (isFile) {
            contents.files.emplace_back(name);
        } else if (isFolder) {
            contents.subfolders.emplace_back(name);
        }
    }
    return contents;
}

std::string CurrentFolder() {
    std::string folder(PATH_MAX, '\0');
    while (getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE) {
            throw WidgetError("can't tell the current folder");
        }
        folder.resize(folder.size() * 2);
    }
    folder.resize(folder.find('\0'));
    return folder;
}

}  // namespace kelvane

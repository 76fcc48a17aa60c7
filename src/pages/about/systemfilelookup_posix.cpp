#include <sys/stat.h>

#include "systemfilelookup.h"

namespace kelvane {

std::string SystemFileLookup::PlainFileName(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    const auto slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    // A name that begins with a dot is a hidden file here.
    if (name.empty() || name.front() == '.') {
        return {};
    }
    return name;
}

}  // namespace kelvane

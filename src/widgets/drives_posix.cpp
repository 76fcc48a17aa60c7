#include <mntent.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <set>

#include "drives.h"
#include "folderpath.h"

namespace kelvane {

namespace {

// Mounts that hold no user data, by their top folder.
bool IsSystemFolder(const std::string& top) {
    static const char* const kSystem[] = {
        "/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var/lib/docker", "/var/snap"};
    if (FolderHolds("/run/media", top)) {
        return false;  // removable media mounted for the user
    }
    return std::any_of(std::begin(kSystem), std::end(kSystem),
                       [&top](const char* folder) { return FolderHolds(folder, top); });
}

bool HoldsUserData(const std::string& device, const std::string& type) {
    static const std::set<std::string> kNetwork = {"nfs",   "nfs4",       "cifs", "smb3",
                                                   "smbfs", "fuse.sshfs", "9p",   "virtiofs"};
    return device.rfind("/dev/", 0) == 0 ? type != "squashfs" : kNetwork.count(type) != 0;
}

}  // namespace

std::vector<std::string> ListDrives() {
    std::vector<std::string> tops{"/"};
    FILE* mounts = setmntent("/proc/self/mounts", "r");
    if (mounts == nullptr) {
        return tops;
    }
    while (const mntent* mount = getmntent(mounts)) {
        const std::string top = mount->mnt_dir;
        struct statvfs ready {};
        if (top == "/" || IsSystemFolder(top) ||
            !HoldsUserData(mount->mnt_fsname, mount->mnt_type) ||
            statvfs(top.c_str(), &ready) != 0) {
            continue;
        }
        if (std::find(tops.begin(), tops.end(), top) == tops.end()) {
            tops.push_back(top);
        }
    }
    endmntent(mounts);
    std::sort(tops.begin() + 1, tops.end());
    return tops;
}

}  // namespace kelvane
